// The CLI's dump, list, info and summary output for the Family Tree Maker fixtures equals the
// expected text under tests/golden/.  UPDATE_GOLDEN=1 rewrites the expected files from the
// current output (review the diff before committing it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "FTWFixtures.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

struct GoldenCase {
  const char* expected;           // file name under tests/golden/
  const char* fixture;            // family, empty or extension
  const char* command;            // dump, list, info or summary
  std::vector<const char*> refs;  // summary: the individuals shown, one after another
};

const GoldenCase kCases[] = {
    {"ftm_family_dump.txt", "family", "dump", {}},
    {"ftm_family_list.txt", "family", "list", {}},
    {"ftm_family_info.txt", "family", "info", {}},
    {"ftm_family_summary.txt", "family", "summary", {"1", "3", "11", "17", "26", "33", "35"}},
    {"ftm_empty_dump.txt", "empty", "dump", {}},
    {"ftm_empty_list.txt", "empty", "list", {}},
    {"ftm_empty_info.txt", "empty", "info", {}},
    {"ftm_extension_dump.txt", "extension", "dump", {}},
    {"ftm_extension_list.txt", "extension", "list", {}},
    {"ftm_extension_info.txt", "extension", "info", {}},
    {"ftm_extension_summary.txt", "extension", "summary", {"1", "12"}},
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.expected; }

std::string Quote(const std::string& s) { return "'" + s + "'"; }

// Rows of `info` that differ from one run to the next: the path, the file's date and the
// import time.
std::string MaskInfo(const std::string& text) {
  std::istringstream in(text);
  std::string line, out;
  bool name_done = false, date_done = false;
  while (std::getline(in, line)) {
    if (!name_done && line.rfind("Name\t", 0) == 0) {
      line = "Name\t<path>";
      name_done = true;
    } else if (!date_done && line.rfind("Date\t", 0) == 0) {
      line = "Date\t<file date>";
      date_done = true;
    } else if (line.rfind("Importing\t", 0) == 0) {
      line = "Importing\t<seconds>";
    }
    out += line + "\n";
  }
  return out;
}

// An age counted to today (marked "?") changes with the calendar.
std::string MaskOpenAges(const std::string& text) {
  std::istringstream in(text);
  std::string line, out;
  while (std::getline(in, line)) {
    if (line.rfind("Age", 0) == 0 && line.find('?') != std::string::npos)
      line = line.substr(0, line.find(':') + 1) + "<to today>";
    out += line + "\n";
  }
  return out;
}

std::string RunCli(const std::string& args) {
  int status = -1;
  std::string out = RunCommand("LC_ALL=C " + Quote(CliPath()) + " " + args, &status);
  EXPECT_EQ(status, 0) << args;
  return out;
}

std::string Output(const GoldenCase& c, const std::string& path) {
  const std::string file = Quote(path);
  const std::string command = c.command;
  if (command == "info") return MaskInfo(RunCli("info " + file));
  if (command == "list" || command == "dump") return RunCli(command + " " + file);
  std::string out;
  for (const char* ref : c.refs)
    out += "== " + std::string(ref) + "\n" + MaskOpenAges(RunCli("summary " + file + " " + Quote(ref)));
  return out;
}

ftw::Description FixtureNamed(const std::string& name) {
  if (name == "family") return ftw_fixtures::FamilyFixture();
  if (name == "extension") return ftw_fixtures::ExtensionFixture();
  return ftw_fixtures::EmptyFixture();
}

class FTWGoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(FTWGoldenTest, OutputMatchesExpectedText) {
  const GoldenCase& c = GetParam();
  TempDir dir;
  const std::string path = dir / (std::string(c.fixture) + ".ftw");
  ASSERT_TRUE(ftw::Save(ftw::Write(FixtureNamed(c.fixture)), path));
  const std::string actual = Output(c, path);
  const fs::path expected_path = fs::path(SourceDir()) / "tests" / "golden" / c.expected;
  const char* update = std::getenv("UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::ofstream(expected_path, std::ios::binary) << actual;
    GTEST_SKIP() << "rewrote " << expected_path;
  }
  ASSERT_TRUE(fs::exists(expected_path)) << expected_path << " is missing; run with UPDATE_GOLDEN=1";
  EXPECT_EQ(actual, ReadFile(expected_path.string())) << "differs from " << expected_path;
}

INSTANTIATE_TEST_SUITE_P(Cli, FTWGoldenTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                           std::string name = info.param.expected;
                           return name.substr(0, name.find('.'));
                         });

// The same file under the other extension reads the same.
TEST(FTWGolden, BackupFileReadsAsTheFile) {
  TempDir dir;
  const ftw::Image image = ftw::Write(ftw_fixtures::FamilyFixture());
  ASSERT_TRUE(ftw::Save(image, dir / "family.ftw"));
  ASSERT_TRUE(ftw::Save(image, dir / "Family.FBK"));
  EXPECT_EQ(RunCli("dump " + Quote(dir / "Family.FBK")), RunCli("dump " + Quote(dir / "family.ftw")));
}

}  // namespace
