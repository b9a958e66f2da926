// The CLI's dump, list, info and summary output for the PAF files the writer makes (the same
// family as versions 3, 4 and 5, an empty file, a file of many blocks and one whose records lie
// past 64 MiB) equals the expected text under tests/golden/.  UPDATE_GOLDEN=1 rewrites the
// expected files from the current output (review the diff before committing it).

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "PAFFixtures.h"
#include "support/Golden.h"

namespace {

using namespace paf_fixtures;

struct Fixture {
  const char* name;  // golden files are <name>_<command>.txt, the dump <name>_dump.jsonl
  std::function<PAFBook()> book;
  std::vector<const char*> refs;  // summary: the individuals shown (list positions)
};

const Fixture kFixtures[] = {
    {"paf3_family", [] { return FamilyBook(3); }, {"1", "2", "3", "6", "7"}},
    {"paf4_family", [] { return FamilyBook(4); }, {"1", "2", "3", "6", "7"}},
    {"paf5_family", [] { return FamilyBook(5); }, {"1", "2", "3", "6", "7"}},
    {"paf3_empty", [] { return EmptyBook(3); }, {}},
    {"paf4_many_blocks", [] { return ManyBlocksBook(4); }, {"1", "60", "120"}},
    {"paf5_past_64mib", [] { return PastSixtyFourBook(5); }, {"1", "3"}},
};

const char* const kCommands[] = {"dump", "list", "info", "summary"};

using GoldenCase = std::tuple<const Fixture*, const char*>;

class PAFGoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(PAFGoldenTest, CliOutputMatchesExpectedText) {
  const auto [fixture, command] = GetParam();
  const std::string name = fixture->name, what = command;
  TempDir dir;
  const std::string file = ShellQuote(WriteBook(dir, name + ".paf", fixture->book()));
  if (what == "dump") return ExpectGolden(RunCli("dump " + file), name + "_dump.jsonl");
  if (what == "list") return ExpectGolden(RunCli("list " + file), name + "_list.txt");
  if (what == "info") return ExpectGolden(MaskInfo(RunCli("info " + file)), name + "_info.txt");
  std::string summary;
  for (const char* ref : fixture->refs)
    summary +=
        "== " + std::string(ref) + "\n" + MaskOpenAges(RunCli("summary " + file + " " + ShellQuote(ref)));
  ExpectGolden(summary, name + "_summary.txt");
}

std::vector<GoldenCase> Cases() {
  std::vector<GoldenCase> cases;
  for (const Fixture& f : kFixtures)
    for (const char* command : kCommands)
      if (std::string(command) != "summary" || !f.refs.empty()) cases.emplace_back(&f, command);
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Cli, PAFGoldenTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                           return std::string(std::get<0>(info.param)->name) + "_" + std::get<1>(info.param);
                         });

// The pedigree and descendants of the family as each version stores it.
TEST(PAFGolden, FamilyCharts) {
  for (int version : {3, 4, 5}) {
    TempDir dir;
    const std::string name = "paf" + std::to_string(version) + "_family";
    const std::string file = ShellQuote(WriteBook(dir, name + ".paf", FamilyBook(version)));
    ExpectGolden(ChartsOutput(file, {"1", "2", "3", "6", "7"}), name + "_charts.txt");
  }
}

}  // namespace
