// The CLI's dump, list, info and summary output for the PAF files the writer makes (the same
// family as versions 3, 4 and 5, an empty file, a file of many blocks and one whose records lie
// past 64 MiB) equals the expected text under tests/golden/.  UPDATE_GOLDEN=1 rewrites the
// expected files from the current output (review the diff before committing it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "PAFFixtures.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;
using namespace paf_fixtures;

struct GoldenCase {
  const char* name;  // golden files are <name>_<command>.txt
  std::function<PAFBook()> book;
  std::vector<const char*> refs;  // summary: the individuals shown
};

const GoldenCase kCases[] = {
    {"paf3_family", [] { return FamilyBook(3); }, {"1", "2", "3", "6", "7"}},
    {"paf4_family", [] { return FamilyBook(4); }, {"1", "2", "3", "6", "7"}},
    {"paf5_family", [] { return FamilyBook(5); }, {"1", "2", "3", "6", "7"}},
    {"paf3_empty", [] { return EmptyBook(3); }, {}},
    {"paf4_many_blocks", [] { return ManyBlocksBook(4); }, {"1", "60", "120"}},
    {"paf5_past_64mib", [] { return PastSixtyFourBook(5); }, {"1", "3"}},
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

std::string Quote(const std::string& s) { return "'" + s + "'"; }

// Rows of `info` that differ from one run to the next: the path, the file's date, the import time.
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

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Compare(const std::string& file, const std::string& actual) {
  const fs::path expected_path = fs::path(SourceDir()) / "tests" / "golden" / file;
  const char* update = std::getenv("UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::ofstream(expected_path, std::ios::binary) << actual;
    return;
  }
  ASSERT_TRUE(fs::exists(expected_path)) << expected_path << " is missing; run with UPDATE_GOLDEN=1";
  EXPECT_EQ(actual, ReadText(expected_path)) << "differs from " << expected_path;
}

class PAFGoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(PAFGoldenTest, CliOutputMatchesExpectedText) {
  const GoldenCase& c = GetParam();
  TempDir dir;
  const std::string path = Quote(WriteBook(dir, std::string(c.name) + ".paf", c.book()));
  const std::string name = c.name;
  Compare(name + "_dump.txt", RunCli("dump " + path));
  Compare(name + "_list.txt", RunCli("list " + path));
  Compare(name + "_info.txt", MaskInfo(RunCli("info " + path)));
  if (c.refs.empty()) return;
  std::string summary;
  for (const char* ref : c.refs)
    summary += "== " + std::string(ref) + "\n" + MaskOpenAges(RunCli("summary " + path + " " + Quote(ref)));
  Compare(name + "_summary.txt", summary);
}

INSTANTIATE_TEST_SUITE_P(Cli, PAFGoldenTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
