#include <gtest/gtest.h>

#include "support/TestPaths.h"

namespace {

std::string Cli(const std::string& args, int* status = nullptr) {
  return RunCommand(CliPath() + " " + args + " 2>/dev/null", status);
}

}  // namespace

TEST(DateCli, PrintsOneLinePerText) {
  int status = -1;
  std::string out =
      Cli("date '1 JAN 1850' 'BET 1850 TO 1860' '10 MAR 1750 1751' 1750/51 UNKNOWN ''", &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out,
            "1 Jan 1850\t0\t1850\t1\t1\t1\t1\n"
            "Bet 1850 and 1860\t3\t1850\t0\t0\t1\t1\n"
            "10 Mar 1750/1751\t0\t1750\t3\t10\t1\t1\n"
            "1750/51\t0\t1750\t0\t0\t1\t1\n"
            "UNKNOWN\t0\t0\t0\t0\t1\t0\n"
            "\t0\t0\t0\t0\t0\t1\n");
}

TEST(DateCli, TakesUtf8OrWindows1252AndPrintsUtf8) {
  // "1 févr 1850" as UTF-8 and as Windows-1252: both read the same, shown in UTF-8.
  std::string utf8 = Cli("date '1 f\xC3\xA9vr 1850' '1 f\xE9vr 1850'");
  EXPECT_EQ(utf8,
            "1 F\xC3\x89VR 1850\t0\t0\t0\t1\t1\t0\n"
            "1 F\xC3\x89VR 1850\t0\t0\t0\t1\t1\t0\n");
}

TEST(DateCli, CompareFollowsQualifiers) {
  EXPECT_EQ(Cli("datecmp 'BEF 1850' 1850"), "-1\n");
  EXPECT_EQ(Cli("datecmp 'AFT 1850' 'ABT 1850'"), "1\n");
  EXPECT_EQ(Cli("datecmp '1 JAN 1850' '1 JAN 1850'"), "0\n");
  EXPECT_EQ(Cli("datecmp '' 1850"), "-2\n");
}

TEST(DateCli, AgeReportsDaysAndYearsOrADash) {
  int status = -1;
  EXPECT_EQ(Cli("age '1 JAN 1900' '1 JAN 1950'", &status), "18261\t1\t49\t11\t29\t49\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Cli("age 1900 1950"), "18263\t0\t50\t0\t0\t~50\n");
  EXPECT_EQ(Cli("age UNKNOWN 1950", &status), "-\n");
  EXPECT_EQ(status, 0);
}

TEST(DateCli, MissingArgumentsAreUsageErrors) {
  int status = -1;
  Cli("date", &status);
  EXPECT_EQ(status, 2);
  Cli("age 1900", &status);
  EXPECT_EQ(status, 2);
  Cli("datecmp 1 2 3", &status);
  EXPECT_EQ(status, 2);
}
