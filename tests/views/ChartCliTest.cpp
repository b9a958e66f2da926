// The pedigree and descendants commands of taravell-cli on the bundled sample: line formats,
// orders, the generations option and its usage errors, JSON Lines.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/TestPaths.h"

namespace {

std::vector<std::string> CliLines(const std::string& arguments, int* status) {
  const std::string out = RunCommand(CliPath() + " " + arguments + " 2>/dev/null", status);
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const std::string kSample = "'" + TestDataPath("sample.ged") + "'";

TEST(ChartCli, PedigreeListsAncestorsInNumberOrderToTheGenerationsAsked) {
  int status = -1;
  std::vector<std::string> lines = CliLines("pedigree " + kSample + " I12", &status);
  EXPECT_EQ(status, 0);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "1\t12\tDr. Frederick William /Marwick/ [I12]\t2 Jun 1873\t19 Dec 1948");
  EXPECT_EQ(lines[1].rfind("2\t4\tWilliam Henry", 0), 0u);
  EXPECT_EQ(lines[3].rfind("4\t1\tThomas", 0), 0u);
  EXPECT_EQ(lines[6].rfind("7\t10\t", 0), 0u);
  EXPECT_EQ(CliLines("pedigree " + kSample + " I12 --generations 2", &status).size(), 3u);

  lines = CliLines("--json pedigree " + kSample + " 12 --generations=1", &status);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(
      lines[0],
      "{\"number\": 1, \"rec\": 12, \"name\": \"Dr. Frederick William /Marwick/ [I12]\", \"birth\": \"2 Jun "
      "1873\", \"death\": \"19 Dec 1948\"}");
}

TEST(ChartCli, DescendantsListSpousesBeforeTheirChildrenAndStopAtTheLimit) {
  int status = -1;
  std::vector<std::string> lines = CliLines("descendants " + kSample + " I12", &status);
  EXPECT_EQ(status, 0);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0].rfind("1\tP\t12\t", 0), 0u);
  EXPECT_EQ(lines[1], "1\tS\t23\tAgnes /O'Rourke/ [I23]\t7 Mar 1876\t30 Oct 1950");
  EXPECT_EQ(lines[2].rfind("2\tP\t24\tWalter James", 0), 0u);
  EXPECT_EQ(lines[3].rfind("2\tS\t36\t", 0), 0u);
  EXPECT_EQ(lines[4].rfind("3\tP\t37\t", 0), 0u);
  EXPECT_EQ(CliLines("descendants " + kSample + " I12 --generations 2", &status).size(), 7u);
  // The default is the setting DesGenLimit.
  EXPECT_EQ(CliLines("--set DesGenLimit=1 descendants " + kSample + " I12", &status).size(), 2u);

  lines = CliLines("--json descendants " + kSample + " I12 --generations 1", &status);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1],
            "{\"generation\": 1, \"kind\": \"S\", \"rec\": 23, \"name\": \"Agnes /O'Rourke/ [I23]\", "
            "\"birth\": \"7 "
            "Mar 1876\", \"death\": \"30 Oct 1950\"}");
}

TEST(ChartCli, BadGenerationsAndUnknownPeopleAreErrors) {
  int status = -1;
  for (const char* bad : {"0", "-1", "x", "3x", "63"}) {
    EXPECT_TRUE(CliLines("pedigree " + kSample + " I1 --generations " + bad, &status).empty());
    EXPECT_EQ(status, 2) << bad;
    CliLines("descendants " + kSample + " I1 --generations " + bad, &status);
    EXPECT_EQ(status, 2) << bad;
  }
  CliLines("pedigree " + kSample + " I999", &status);
  EXPECT_EQ(status, 1);
  CliLines("descendants " + kSample, &status);
  EXPECT_EQ(status, 2);
}

}  // namespace
