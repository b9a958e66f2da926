// The CLI's dump, list, info and summary output for the RootsMagic fixtures (the sample
// family, an empty file, and a family whose file names are upper case) equals the expected
// text under tests/golden/.  UPDATE_GOLDEN=1 rewrites the expected files from the current
// output (review the diff before committing it).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/Golden.h"
#include "support/RM3Writer.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

void CheckAll(const std::string& name, const std::string& rmg, const std::vector<std::string>& refs) {
  const std::string file = ShellQuote(rmg);
  ExpectGolden(RunCli("dump " + file), name + "_dump.jsonl");
  ExpectGolden(RunCli("list " + file), name + "_list.txt");
  ExpectGolden(MaskInfo(RunCli("info " + file)), name + "_info.txt");
  std::string summaries;
  for (const std::string& ref : refs)
    summaries += "== " + ref + "\n" + MaskOpenAges(RunCli("summary " + file + " " + ref));
  ExpectGolden(summaries, name + "_summary.txt");
}

TEST(RM3Golden, SampleFamily) {
  TempDir dir;
  const std::string rmg = RM3SampleFamily().Write(dir.path(), "family");
  CheckAll("rm3_family", rmg, {"1", "3", "5", "12", "13", "36", "38", "39", "40", "41"});
  ExpectGolden(ChartsOutput(ShellQuote(rmg), {"1", "3", "5", "12", "13", "36", "41"}), "rm3_family_charts.txt");
}

TEST(RM3Golden, EmptyFile) {
  TempDir dir;
  RM3Writer empty;
  empty.fact_types.clear();
  const std::string rmg = empty.Write(dir.path(), "empty");
  CheckAll("rm3_empty", rmg, {});
}

TEST(RM3Golden, UpperCaseFileNames) {
  TempDir dir;
  RM3Writer::Options options;
  options.upper_case_names = true;
  const std::string rmg = RM3SampleFamily().Write(dir.path(), "Family", options);
  EXPECT_TRUE(fs::exists(dir / "FAMILY_I.DBF"));
  // The same family as the lower-case file set, so only the list is kept apart.
  ExpectGolden(RunCli("list " + ShellQuote(rmg)), "rm3_family_list.txt");
  ExpectGolden(RunCli("dump " + ShellQuote(rmg)), "rm3_family_dump.jsonl");
}

}  // namespace
