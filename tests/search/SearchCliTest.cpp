// The find command and list --sort on the bundled sample.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/TestPaths.h"

namespace {

std::string Cli(const std::string& arguments, int* status) {
  return RunCommand(CliPath() + " " + arguments + " 2>/dev/null", status);
}

const std::string kSample = "'" + TestDataPath("sample.ged") + "'";

TEST(SearchCli, FindLandsWhereAdvancedFindDoes) {
  int status = -1;
  EXPECT_EQ(Cli("find " + kSample + " --by surname 'marwick, w'", &status),
            "32\t24\tI24\tWalter James /Marwick/ [I24]\n");
  EXPECT_EQ(status, 0);
  // Surname is the default mode; the first Marwick.
  EXPECT_EQ(OutputColumn(Cli("find " + kSample + " MARW", &status), 1), std::vector<std::string>{"8"});
  EXPECT_EQ(OutputColumn(Cli("find " + kSample + " --by rin 12", &status), 2),
            std::vector<std::string>{"I12"});
  EXPECT_EQ(OutputColumn(Cli("find " + kSample + " --by index 99999", &status), 0),
            std::vector<std::string>{"41"});
  EXPECT_EQ(OutputColumn(Cli("find " + kSample + " --by fullname 'ellen h'", &status), 1),
            std::vector<std::string>{"2"});
  EXPECT_EQ(status, 0);
  // An identifier that is not there: nothing found.
  EXPECT_EQ(Cli("find " + kSample + " --by rin 999", &status), "");
  EXPECT_EQ(status, 1);
  Cli("find " + kSample + " --by soundex x", &status);
  EXPECT_EQ(status, 2);
  Cli("find " + kSample, &status);
  EXPECT_EQ(status, 2);
}

TEST(SearchCli, ListSortedByEachOrder) {
  int status = -1;
  std::vector<std::string> by_surname = OutputColumn(Cli("list " + kSample + " --sort surname", &status), 3);
  EXPECT_EQ(status, 0);
  ASSERT_EQ(by_surname.size(), 41u);
  // Accented given names sort with their base letters: Élise between Edith and Frederick.
  auto at = [&](const std::string& prefix) {
    for (size_t i = 0; i < by_surname.size(); ++i)
      if (by_surname[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    return -1;
  };
  EXPECT_EQ(at("\xC3\x89lise /Marwick/"), at("Edith Mary /Marwick/") + 1);
  EXPECT_EQ(at("Dr. Frederick"), at("\xC3\x89lise /Marwick/") + 1);

  std::vector<std::string> ids = OutputColumn(Cli("list " + kSample + " --sort rin", &status), 1);
  ASSERT_EQ(ids.size(), 41u);
  EXPECT_EQ(ids[1], "I2");
  EXPECT_EQ(ids[9], "I10");
  std::vector<std::string> records = OutputColumn(Cli("list " + kSample + " --sort fullname", &status), 0);
  EXPECT_EQ(std::set<std::string>(records.begin(), records.end()).size(), 41u);
  Cli("list " + kSample + " --sort birth", &status);
  EXPECT_EQ(status, 2);
}

}  // namespace
