// The damage log: what checked views and chain guards report to it, what it passes on to the
// program's log, and what it leaves alone (reads inside the file, chains that end normally).

#include "base/DamageLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ChainGuard.h"
#include "base/CheckedView.h"

namespace {

class DamageLogTest : public testing::Test {
 protected:
  void SetUp() override {
    SetLogHook([this](const std::string& line) { lines.push_back(line); });
  }
  void TearDown() override { SetLogHook(nullptr); }
  std::vector<std::string> lines;
};

TEST_F(DamageLogTest, ReadsOutsideTheViewAreNotedAndLogged) {
  const std::string bytes = "abcdefgh";
  WDamageLog log;
  WCheckedView view(bytes);
  view.ReportDamageTo(&log);
  EXPECT_EQ(view.U32LE(4), 0x68676665u);  // inside: nothing noted
  EXPECT_EQ(view.FixedText(0, 8), "abcdefgh");
  EXPECT_FALSE(log.Met());
  EXPECT_EQ(view.U32LE(6), 0u);
  ASSERT_TRUE(log.Met());
  EXPECT_EQ(log.First(), "a read of 4 bytes at offset 6 lies outside the 8 bytes of the file");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "damaged file: " + log.First());
  // Copies and parts report to the same log.
  WCheckedView copy = view;
  WCheckedView part = view.Sub(2, 4);
  EXPECT_EQ(part.U8(4), 0);
  EXPECT_EQ(copy.U64LE(1), 0u);
  EXPECT_EQ(log.Count(), 3u);
  EXPECT_EQ(log.First(), "a read of 4 bytes at offset 6 lies outside the 8 bytes of the file");
}

TEST_F(DamageLogTest, ATextEndedBeforeTheEndOfTheFileIsNoDamage) {
  const std::string bytes("name\0rest", 9);
  WDamageLog log;
  WCheckedView view(bytes);
  view.ReportDamageTo(&log);
  EXPECT_EQ(view.TextZ(0, 100), "name");
  EXPECT_FALSE(view.Failed());
  EXPECT_FALSE(log.Met());
  EXPECT_EQ(view.TextZ(5, 100), "rest");  // runs into the end without its NUL
  EXPECT_TRUE(view.Failed());
  EXPECT_TRUE(log.Met());
  EXPECT_EQ(view.TextZ(20, 4), "");
  EXPECT_EQ(log.Count(), 2u);
}

TEST_F(DamageLogTest, OnlyTheFirstNotesGoToTheProgramLog) {
  WDamageLog log;
  for (int i = 0; i < 100; ++i) log.Note("bad " + std::to_string(i));
  EXPECT_EQ(log.Count(), 100u);
  EXPECT_EQ(log.First(), "bad 0");
  EXPECT_EQ(lines.size(), WDamageLog::kLoggedNotes);
}

TEST_F(DamageLogTest, ChainsThatReturnAreDamageButChainsThatEndAreNot) {
  WDamageLog log;
  {
    WChainGuard guard(1, 10);
    guard.ReportDamageTo(&log);
    for (int64_t link : {1, 2, 3}) EXPECT_TRUE(guard.Step(link));
    EXPECT_FALSE(guard.Step(0));  // the end marker
  }
  EXPECT_FALSE(log.Met());
  WChainGuard loop(1, 10);
  loop.ReportDamageTo(&log);
  EXPECT_TRUE(loop.Step(4));
  EXPECT_TRUE(loop.Step(5));
  EXPECT_FALSE(loop.Step(4));
  EXPECT_EQ(log.First(), "a chain of links returns to link 4");
  // A view or a guard without a log notes nothing anywhere.
  WCheckedView quiet(std::string_view("ab"));
  EXPECT_EQ(quiet.U16LE(1), 0);
  EXPECT_EQ(log.Count(), 1u);
}

}  // namespace
