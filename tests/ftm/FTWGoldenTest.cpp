// The CLI's dump, list, info and summary output for the Family Tree Maker fixtures equals the
// expected text under tests/golden/.  UPDATE_GOLDEN=1 rewrites the expected files from the
// current output (review the diff before committing it).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FTWFixtures.h"
#include "support/Golden.h"
#include "support/TempDir.h"

namespace {

struct GoldenCase {
  const char* expected;           // file name under tests/golden/
  const char* fixture;            // family, empty or extension
  const char* command;            // dump, list, info or summary
  std::vector<const char*> refs;  // summary: the individuals shown, one after another
};

const GoldenCase kCases[] = {
    {"ftm_family_dump.jsonl", "family", "dump", {}},
    {"ftm_family_list.txt", "family", "list", {}},
    {"ftm_family_info.txt", "family", "info", {}},
    {"ftm_family_summary.txt", "family", "summary", {"1", "3", "11", "17", "26", "33", "35"}},
    {"ftm_empty_dump.jsonl", "empty", "dump", {}},
    {"ftm_empty_list.txt", "empty", "list", {}},
    {"ftm_empty_info.txt", "empty", "info", {}},
    {"ftm_extension_dump.jsonl", "extension", "dump", {}},
    {"ftm_extension_list.txt", "extension", "list", {}},
    {"ftm_extension_info.txt", "extension", "info", {}},
    {"ftm_extension_summary.txt", "extension", "summary", {"1", "12"}},
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.expected; }

std::string Output(const GoldenCase& c, const std::string& path) {
  const std::string file = ShellQuote(path);
  const std::string command = c.command;
  if (command == "info") return MaskInfo(RunCli("info " + file));
  if (command == "list" || command == "dump") return RunCli(command + " " + file);
  std::string out;
  for (const char* ref : c.refs)
    out +=
        "== " + std::string(ref) + "\n" + MaskOpenAges(RunCli("summary " + file + " " + ShellQuote(ref)));
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
  ExpectGolden(Output(c, path), c.expected);
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
  EXPECT_EQ(RunCli("dump " + ShellQuote(dir / "Family.FBK")), RunCli("dump " + ShellQuote(dir / "family.ftw")));
}

// The pedigree and descendants of the family fixture.
TEST(FTWGolden, FamilyCharts) {
  TempDir dir;
  ASSERT_TRUE(ftw::Save(ftw::Write(ftw_fixtures::FamilyFixture()), dir / "family.ftw"));
  ExpectGolden(ChartsOutput(ShellQuote(dir / "family.ftw"), {"1", "3", "11", "17", "26", "33", "35"}),
               "ftm_family_charts.txt");
}

}  // namespace
