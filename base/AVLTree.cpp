#include "base/AVLTree.h"

#include <utility>

WAVLTree::WAVLTree(InsertCompare insertCompare, SearchCompare searchCompare, int32_t initialCount)
    : nodes_(std::string(), false, sizeof(Node), initialCount),
      insertCompare_(std::move(insertCompare)),
      searchCompare_(std::move(searchCompare)) {}

void WAVLTree::Clear() {
  nodes_.Clear();
  root_ = 0;
}

void WAVLTree::SetValue2(int32_t node, int32_t value2) {
  if (Valid(node)) Ptr(node)->value2 = value2;
}

int32_t WAVLTree::Search(const void* key) const {
  int32_t node = root_;
  while (node != 0) {
    Node n = NodeAt(node);
    int c = searchCompare_(key, n.value);
    if (c == 0) return node;
    node = c < 0 ? n.left : n.right;
  }
  return 0;
}

int32_t WAVLTree::Insert(int32_t value, int32_t value2) {
  // Walk down, remembering the path; the height of an AVL tree of 2^31 nodes stays
  // below 64.
  int32_t path[64];
  bool wentLeft[64];
  int depth = 0;
  for (int32_t node = root_; node != 0;) {
    Node n = NodeAt(node);
    int c = insertCompare_(value, n.value);
    if (c == 0) return 0;
    path[depth] = node;
    wentLeft[depth] = c < 0;
    ++depth;
    node = c < 0 ? n.left : n.right;
  }

  Node fresh{0, 0, value, value2, 0, {0, 0, 0}};
  int32_t added = nodes_.Append(&fresh);
  if (depth == 0) {
    root_ = added;
    return added;
  }
  if (wentLeft[depth - 1])
    Ptr(path[depth - 1])->left = added;
  else
    Ptr(path[depth - 1])->right = added;

  // Back up the path: the subtree below each node grew by one level until a node
  // absorbs it (balance becomes 0) or needs a rotation (which restores its height).
  for (int k = depth - 1; k >= 0; --k) {
    Node* p = Ptr(path[k]);
    p->balance = static_cast<int8_t>(p->balance + (wentLeft[k] ? -1 : 1));
    if (p->balance == 0) break;
    if (p->balance == -1 || p->balance == 1) continue;
    int32_t top = Rotate(path[k]);
    if (k == 0)
      root_ = top;
    else if (wentLeft[k - 1])
      Ptr(path[k - 1])->left = top;
    else
      Ptr(path[k - 1])->right = top;
    break;
  }
  return added;
}

int32_t WAVLTree::Rotate(int32_t node) {
  Node* p = Ptr(node);
  if (p->balance < 0) {
    int32_t l = p->left;
    Node* ln = Ptr(l);
    if (ln->balance <= 0) {
      // Single right rotation.
      p->left = ln->right;
      ln->right = node;
      p->balance = 0;
      ln->balance = 0;
      return l;
    }
    // Left-right double rotation.
    int32_t lr = ln->right;
    Node* lrn = Ptr(lr);
    ln->right = lrn->left;
    p->left = lrn->right;
    lrn->left = l;
    lrn->right = node;
    p->balance = static_cast<int8_t>(lrn->balance < 0 ? 1 : 0);
    ln->balance = static_cast<int8_t>(lrn->balance > 0 ? -1 : 0);
    lrn->balance = 0;
    return lr;
  }
  int32_t r = p->right;
  Node* rn = Ptr(r);
  if (rn->balance >= 0) {
    // Single left rotation.
    p->right = rn->left;
    rn->left = node;
    p->balance = 0;
    rn->balance = 0;
    return r;
  }
  // Right-left double rotation.
  int32_t rl = rn->left;
  Node* rln = Ptr(rl);
  rn->left = rln->right;
  p->right = rln->left;
  rln->right = r;
  rln->left = node;
  p->balance = static_cast<int8_t>(rln->balance > 0 ? -1 : 0);
  rn->balance = static_cast<int8_t>(rln->balance < 0 ? 1 : 0);
  rln->balance = 0;
  return rl;
}
