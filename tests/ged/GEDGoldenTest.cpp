// The CLI's list, info and summary output for the bundled sample and a few corpus files
// equals the expected text under tests/golden/.  UPDATE_GOLDEN=1 rewrites the expected
// files from the current output (review the diff before committing it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

struct GoldenCase {
  const char* expected;           // file name under tests/golden/
  const char* input;              // sample.ged, or a file of the corpus's ged folder
  const char* command;            // list, info or summary
  std::vector<const char*> refs;  // summary: the individuals shown, one after another
  int max_lines = 0;              // list: only the first lines (0 = all)
};

const GoldenCase kCases[] = {
    {"sample_list.txt", "sample.ged", "list", {}},
    {"sample_info.txt", "sample.ged", "info", {}},
    {"sample_summary.txt", "sample.ged", "summary", {"I1", "@I4@", "12", "I25", "I32", "I33", "I41"}},
    {"royal92_list.txt", "corpus:royal92.ged", "list", {}, 50},
    {"royal92_info.txt", "corpus:royal92.ged", "info", {}},
    {"royal92_summary.txt", "corpus:royal92.ged", "summary", {"I1", "I4", "I65"}},
    {"harry_potter_list.txt", "corpus:Harry_Potter.ged", "list", {}},
    {"harry_potter_info.txt", "corpus:Harry_Potter.ged", "info", {}},
    {"harry_potter_summary.txt", "corpus:Harry_Potter.ged", "summary", {"I6", "I7", "I20"}},
    {"willis_list.txt", "corpus:willis.ged", "list", {}, 100},
    {"willis_info.txt", "corpus:willis.ged", "info", {}},
    {"willis_summary.txt", "corpus:willis.ged", "summary", {"I4726", "3"}},
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.expected; }

std::string Quote(const std::string& s) { return "'" + s + "'"; }

// Rows of `info` that differ from one checkout or run to the next: the path as given,
// the file's own date and the import time.
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

std::string FirstLines(const std::string& text, int count) {
  if (count <= 0) return text;
  size_t pos = 0;
  for (int i = 0; i < count && pos != std::string::npos; ++i) {
    pos = text.find('\n', pos);
    if (pos != std::string::npos) ++pos;
  }
  return pos == std::string::npos ? text : text.substr(0, pos);
}

std::string Run(const std::string& args) {
  int status = -1;
  std::string out = RunCommand("LC_ALL=C " + Quote(CliPath()) + " " + args, &status);
  EXPECT_EQ(status, 0) << args;
  return out;
}

std::string Output(const GoldenCase& c, const std::string& path) {
  std::string file = Quote(path);
  std::string command = c.command;
  if (command == "info") return MaskInfo(Run("info " + file));
  if (command == "list") return FirstLines(Run("list " + file), c.max_lines);
  std::string out;
  for (const char* ref : c.refs)
    out += "== " + std::string(ref) + "\n" + MaskOpenAges(Run("summary " + file + " " + Quote(ref)));
  return out;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class GoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTest, OutputMatchesExpectedText) {
  const GoldenCase& c = GetParam();
  std::string input = c.input;
  std::string path;
  if (input.rfind("corpus:", 0) == 0) {
    path = (fs::path(CorpusDir()) / "ged" / input.substr(7)).string();
    if (!fs::exists(path)) GTEST_SKIP() << "no corpus file " << path;
  } else {
    path = TestDataPath(input);
  }
  std::string actual = Output(c, path);
  fs::path expected_path = fs::path(SourceDir()) / "tests" / "golden" / c.expected;
  const char* update = std::getenv("UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::ofstream(expected_path, std::ios::binary) << actual;
    GTEST_SKIP() << "rewrote " << expected_path;
  }
  ASSERT_TRUE(fs::exists(expected_path)) << expected_path << " is missing; run with UPDATE_GOLDEN=1";
  EXPECT_EQ(actual, ReadFile(expected_path)) << "differs from " << expected_path;
}

INSTANTIATE_TEST_SUITE_P(Cli, GoldenTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                           std::string name = info.param.expected;
                           name = name.substr(0, name.find('.'));
                           return name;
                         });

}  // namespace
