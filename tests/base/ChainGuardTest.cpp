// Walks along links stored in a file end at a repeated link, an invalid link or the step limit.

#include "base/ChainGuard.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Follows next[] from `first` under a guard over 1..n; the links visited.
std::vector<int> Walk(const std::vector<int>& next, int first, WChainGuard::StopReason* why = nullptr) {
  const int n = static_cast<int>(next.size()) - 1;
  WChainGuard guard(1, n);
  std::vector<int> seen;
  for (int link = first; guard.Step(link); link = next[static_cast<size_t>(link)]) seen.push_back(link);
  if (why) *why = guard.Stop();
  return seen;
}

TEST(ChainGuard, AChainEndsAtItsEndMarker) {
  WChainGuard::StopReason why;
  EXPECT_EQ(Walk({0, 2, 3, 0}, 1, &why), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(why, WChainGuard::StopReason::Invalid);  // 0 is outside 1..n: the usual end
}

TEST(ChainGuard, CyclesEndAtTheRepeatedLink) {
  WChainGuard::StopReason why;
  EXPECT_EQ(Walk({0, 2, 1}, 1, &why), (std::vector<int>{1, 2}));  // two-record cycle
  EXPECT_EQ(why, WChainGuard::StopReason::Repeated);
  EXPECT_EQ(Walk({0, 1}, 1, &why), (std::vector<int>{1}));  // a record pointing at itself
  // A long chain that closes on an early record: past the small list, into the hash set.
  std::vector<int> next(201);
  for (int i = 1; i < 200; ++i) next[static_cast<size_t>(i)] = i + 1;
  next[200] = 50;
  EXPECT_EQ(Walk(next, 1, &why).size(), 200u);
  EXPECT_EQ(why, WChainGuard::StopReason::Repeated);
}

TEST(ChainGuard, LinksOutOfRangeAndTheStepLimit) {
  WChainGuard::StopReason why;
  EXPECT_TRUE(Walk({0, 7}, 1, &why).size() == 1 && why == WChainGuard::StopReason::Invalid);
  EXPECT_TRUE(Walk({0, -5}, 1, &why).size() == 1 && why == WChainGuard::StopReason::Invalid);
  WChainGuard limited(0, 1000000, 3);
  EXPECT_TRUE(limited.Step(10) && limited.Step(11) && limited.Step(12));
  EXPECT_FALSE(limited.Step(13));
  EXPECT_EQ(limited.Stop(), WChainGuard::StopReason::StepLimit);
  EXPECT_FALSE(limited.Step(14));  // once stopped, stays stopped
  EXPECT_EQ(limited.Steps(), 3u);
  WChainGuard empty(1, 0);
  EXPECT_FALSE(empty.Step(1));
  // Every record of the range may be visited once.
  WChainGuard all(1, 3);
  EXPECT_TRUE(all.Step(3) && all.Step(1) && all.Step(2));
  EXPECT_FALSE(all.Step(1));
}

}  // namespace

namespace {

// Long walks over a wide range move from the small list to a bitmap, over a huge range to a
// hash set; both keep telling repeated links.
TEST(ChainGuard, LongWalksOverSmallAndHugeRanges) {
  for (int64_t last : {int64_t{5000}, int64_t{1} << 40}) {
    WChainGuard guard(1, last);
    for (int64_t link = 1; link <= 3000; ++link) ASSERT_TRUE(guard.Step(link * (last / 5000)));
    EXPECT_FALSE(guard.Step(1000 * (last / 5000)));
    EXPECT_EQ(guard.Stop(), WChainGuard::StopReason::Repeated);
  }
}

}  // namespace
