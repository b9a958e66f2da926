#pragma once

#include <cstdint>
#include <functional>

#include "base/ABSArrayIndex.h"

// A height-balanced binary search tree whose nodes live in an index array and are
// numbered from 1 in order of insertion (0 = none).  A node holds a value and a
// second value that is free for the owner.  The owner supplies the order:
//   insertCompare(newValue, nodeValue) for insertion and
//   searchCompare(key, nodeValue) for search,
// each < 0 to go left, > 0 to go right, 0 for equal.  Context the comparisons need
// (a link table, a collection) is captured by the functions.
class WAVLTree {
 public:
  using InsertCompare = std::function<int(int32_t newValue, int32_t nodeValue)>;
  using SearchCompare = std::function<int(const void* key, int32_t nodeValue)>;

  WAVLTree(InsertCompare insertCompare, SearchCompare searchCompare, int32_t initialCount = 0);

  // Inserts value (with value2) unless a node compares equal to it.  Returns the new
  // node's number, or 0 when an equal value is already in the tree.
  int32_t Insert(int32_t value, int32_t value2 = 0);
  // Number of the node matching key, or 0.
  int32_t Search(const void* key) const;

  int32_t Value(int32_t node) const { return node > 0 && node <= nodes_.Count() ? NodeAt(node).value : 0; }
  int32_t Value2(int32_t node) const { return node > 0 && node <= nodes_.Count() ? NodeAt(node).value2 : 0; }
  void SetValue2(int32_t node, int32_t value2);

  int32_t Root() const { return root_; }
  int32_t Count() const { return nodes_.Count(); }
  void Clear();

  // Structure, for checks: children (0 = none) and balance (-1 left side higher, 0
  // even, 1 right side higher).
  int32_t Left(int32_t node) const { return Valid(node) ? NodeAt(node).left : 0; }
  int32_t Right(int32_t node) const { return Valid(node) ? NodeAt(node).right : 0; }
  int Balance(int32_t node) const { return Valid(node) ? NodeAt(node).balance : 0; }

 private:
  struct Node {
    int32_t left;
    int32_t right;
    int32_t value;
    int32_t value2;
    int8_t balance;  // stored as a byte: 255 (-1) left higher, 0 even, 1 right higher
    uint8_t pad[3];
  };
  bool Valid(int32_t node) const { return node > 0 && node <= nodes_.Count(); }
  Node NodeAt(int32_t node) const {
    Node n;
    std::memcpy(&n, nodes_.Get(node), sizeof n);
    return n;
  }
  Node* Ptr(int32_t node) { return static_cast<Node*>(nodes_.Get(node)); }
  // Rebalances the subtree at node whose balance reached -2 or +2; returns its new root.
  int32_t Rotate(int32_t node);

  WABSArrayIndex nodes_;
  InsertCompare insertCompare_;
  SearchCompare searchCompare_;
  int32_t root_ = 0;
};
