#include <gtest/gtest.h>

#include <thread>

#include "base/Errors.h"
#include "base/UIHooks.h"

TEST(UIHooks, BusyHookFiresOnlyOnOuterTransitions) {
  std::vector<bool> calls;
  SetBusyHook([&](bool busy) { calls.push_back(busy); });
  {
    BusySection outer;
    BusySection inner;
    EXPECT_EQ(BusyCount(), 2);
  }
  EndBusy();  // unbalanced: must not go below zero or fire again
  EXPECT_EQ(BusyCount(), 0);
  EXPECT_EQ(calls, (std::vector<bool>{true, false}));
  SetBusyHook(nullptr);
}

TEST(UIHooks, YieldRunsInstalledHook) {
  int n = 0;
  YieldToUI();  // no hook: nothing happens
  SetYieldHook([&] { ++n; });
  YieldToUI();
  YieldToUI();
  SetYieldHook(nullptr);
  YieldToUI();
  EXPECT_EQ(n, 2);
}

TEST(UIHooks, YieldFromAHelperThreadLeavesTheHookAlone) {
  int n = 0;
  SetYieldHook([&] { ++n; });
  std::thread helper([] { YieldToUI(); });
  helper.join();
  YieldToUI();
  SetYieldHook(nullptr);
  EXPECT_EQ(n, 1);
}

TEST(Errors, FormatMessageFillsPlaceholders) {
  EXPECT_EQ(FormatMessage("Error getting pointer to individual %d", 42),
            "Error getting pointer to individual 42");
  EIndexError e(FormatMessage("Error: In valid index value = %d", 7));
  EXPECT_STREQ(e.what(), "Error: In valid index value = 7");
}
