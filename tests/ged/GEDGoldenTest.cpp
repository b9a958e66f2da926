// The CLI's list, info, summary and dump output for the bundled sample and a few corpus files
// equals the expected text under tests/golden/.  UPDATE_GOLDEN=1 rewrites the expected
// files from the current output (review the diff before committing it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/Golden.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

struct GoldenCase {
  const char* expected;           // file name under tests/golden/
  const char* input;              // sample.ged, or a file of the corpus's ged folder
  const char* command;            // list, info, summary, dump, pedigree or descendants
  std::vector<const char*> refs;  // summary, pedigree, descendants: the individuals shown, one after
                                  // another; dump: one
  int max_lines = 0;              // list: only the first lines; dump: records up to this number (0 = all)
};

const GoldenCase kCases[] = {
    {"sample_list.txt", "sample.ged", "list", {}},
    {"sample_info.txt", "sample.ged", "info", {}},
    {"sample_summary.txt", "sample.ged", "summary", {"I1", "@I4@", "12", "I25", "I32", "I33", "I41"}},
    {"sample_dump.jsonl", "sample.ged", "dump", {}},
    {"sample_dump_I4.jsonl", "sample.ged", "dump", {"I4"}},
    {"sample_pedigree.txt", "sample.ged", "pedigree", {"I41", "I33", "I1"}},
    {"sample_descendants.txt", "sample.ged", "descendants", {"I1", "I4", "I41"}},
    {"royal92_pedigree.txt", "corpus:royal92.ged", "pedigree", {"I1", "I52", "I65"}},
    {"royal92_descendants.txt", "corpus:royal92.ged", "descendants", {"I1", "I52"}},
    {"royal92_dump.jsonl", "corpus:royal92.ged", "dump", {}, 120},
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

std::string Output(const GoldenCase& c, const std::string& path) {
  std::string file = ShellQuote(path);
  std::string command = c.command;
  if (command == "info") return MaskInfo(RunCli("info " + file));
  if (command == "list") return FirstLines(RunCli("list " + file), c.max_lines);
  if (command == "dump") {
    if (!c.refs.empty()) return RunCli("dump " + file + " " + ShellQuote(c.refs[0]));
    return DumpPrefix(RunCli("dump " + file), c.max_lines);
  }
  std::string out;
  for (const char* ref : c.refs) {
    const std::string shown = RunCli(command + " " + file + " " + ShellQuote(ref));
    out += "== " + std::string(ref) + "\n" + (command == "summary" ? MaskOpenAges(shown) : shown);
  }
  return out;
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
  ExpectGolden(Output(c, path), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cli, GoldenTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                           std::string name = info.param.expected;
                           name = name.substr(0, name.find('.'));
                           return name;
                         });

}  // namespace
