#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <vector>

#include "base/AVLTree.h"

namespace {

int Order(int32_t a, int32_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

WAVLTree IntTree() {
  return WAVLTree(
      [](int32_t v, int32_t node) { return Order(v, node); },
      [](const void* key, int32_t node) { return Order(*static_cast<const int32_t*>(key), node); });
}

// Height of the subtree at node; checks order, balance factors and AVL shape.
int CheckSubtree(const WAVLTree& t, int32_t node, int64_t low, int64_t high, int& nodes) {
  if (node == 0) return 0;
  ++nodes;
  int32_t v = t.Value(node);
  EXPECT_GT(v, low);
  EXPECT_LT(v, high);
  int hl = CheckSubtree(t, t.Left(node), low, v, nodes);
  int hr = CheckSubtree(t, t.Right(node), v, high, nodes);
  EXPECT_EQ(t.Balance(node), hr - hl) << "node " << node;
  EXPECT_LE(std::abs(hr - hl), 1);
  return 1 + std::max(hl, hr);
}

int CheckTree(const WAVLTree& t) {
  int nodes = 0;
  int h = CheckSubtree(t, t.Root(), INT64_MIN, INT64_MAX, nodes);
  EXPECT_EQ(nodes, t.Count());
  return h;
}

TEST(AVLTree, StaysBalancedUnderEveryInsertOrder) {
  for (int order = 0; order < 4; ++order) {
    WAVLTree t = IntTree();
    std::vector<int32_t> values(5000);
    for (int i = 0; i < 5000; ++i) values[i] = i * 2;
    if (order == 1) std::reverse(values.begin(), values.end());
    if (order == 2) std::shuffle(values.begin(), values.end(), std::mt19937(7));
    if (order == 3)  // zig-zag: exercises the double rotations
      for (int i = 0; i < 5000; ++i) values[i] = (i % 2 ? 10000 - i : i) * 2;
    for (int32_t v : values) ASSERT_GT(t.Insert(v, v + 1), 0);
    int h = CheckTree(t);
    EXPECT_LE(h, 1.45 * std::log2(5000 + 2)) << "order " << order;
    for (int32_t v : values) {
      int32_t node = t.Search(&v);
      ASSERT_GT(node, 0);
      EXPECT_EQ(t.Value(node), v);
      EXPECT_EQ(t.Value2(node), v + 1);
    }
    int32_t odd = 3, below = -2, above = 30000;
    EXPECT_EQ(t.Search(&odd), 0);
    EXPECT_EQ(t.Search(&below), 0);
    EXPECT_EQ(t.Search(&above), 0);
  }
}

TEST(AVLTree, EqualValueIsNotInsertedAndNodesKeepTheirNumbers) {
  WAVLTree t = IntTree();
  int32_t key = 30;
  EXPECT_EQ(t.Search(&key), 0);
  EXPECT_EQ(t.Value2(0), 0);
  EXPECT_EQ(t.Insert(10), 1);
  EXPECT_EQ(t.Insert(20), 2);
  EXPECT_EQ(t.Insert(30), 3);  // rotates: 20 becomes the root
  EXPECT_EQ(t.Root(), 2);
  EXPECT_EQ(t.Insert(20, 5), 0);
  EXPECT_EQ(t.Count(), 3);
  t.SetValue2(3, 77);
  EXPECT_EQ(t.Value2(t.Search(&key)), 77);
  t.Clear();
  EXPECT_EQ(t.Search(&key), 0);
  EXPECT_EQ(t.Insert(30), 1);
}

}  // namespace
