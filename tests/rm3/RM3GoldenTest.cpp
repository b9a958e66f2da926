// The CLI's dump, list, info and summary output for the RootsMagic fixtures (the sample
// family, an empty file, and a family whose file names are upper case) equals the expected
// text under tests/golden/.  UPDATE_GOLDEN=1 rewrites the expected files from the current
// output (review the diff before committing it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/RM3Writer.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& s) { return "'" + s + "'"; }

std::string RunCli(const std::string& args) {
  int status = -1;
  std::string out = RunCommand("LC_ALL=C " + Quote(CliPath()) + " " + args, &status);
  EXPECT_EQ(status, 0) << args;
  return out;
}

// The rows of `info` that change from one run to the next: the path, the file's date and the
// import time.
std::string MaskInfo(const std::string& text, const std::string& dir) {
  std::istringstream in(text);
  std::string line, out;
  bool name_done = false;
  while (std::getline(in, line)) {
    if (!name_done && line.rfind("Name\t", 0) == 0) {
      line = "Name\t<path>";
      name_done = true;
    } else if (line.rfind("Date\t", 0) == 0)
      line = "Date\t<file date>";
    else if (line.rfind("Importing\t", 0) == 0)
      line = "Importing\t<seconds>";
    for (size_t at = line.find(dir); at != std::string::npos; at = line.find(dir))
      line.replace(at, dir.size(), "<dir>");
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

void Compare(const std::string& expected_name, const std::string& actual) {
  const fs::path expected_path = fs::path(SourceDir()) / "tests" / "golden" / expected_name;
  const char* update = std::getenv("UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    WriteFile(expected_path.string(), actual);
    return;
  }
  ASSERT_TRUE(fs::exists(expected_path)) << expected_path << " is missing; run with UPDATE_GOLDEN=1";
  EXPECT_EQ(actual, ReadFile(expected_path.string())) << "differs from " << expected_path;
}

void CheckAll(const std::string& name, const std::string& rmg, const std::string& dir,
              const std::vector<std::string>& refs) {
  const std::string file = Quote(rmg);
  Compare(name + "_dump.txt", RunCli("dump " + file));
  Compare(name + "_list.txt", RunCli("list " + file));
  Compare(name + "_info.txt", MaskInfo(RunCli("info " + file), dir));
  std::string summaries;
  for (const std::string& ref : refs)
    summaries += "== " + ref + "\n" + MaskOpenAges(RunCli("summary " + file + " " + ref));
  Compare(name + "_summary.txt", summaries);
}

TEST(RM3Golden, SampleFamily) {
  TempDir dir;
  const std::string rmg = RM3SampleFamily().Write(dir.path(), "family");
  CheckAll("rm3_family", rmg, dir.path(), {"1", "3", "5", "12", "13", "36", "38", "39", "40", "41"});
}

TEST(RM3Golden, EmptyFile) {
  TempDir dir;
  RM3Writer empty;
  empty.fact_types.clear();
  const std::string rmg = empty.Write(dir.path(), "empty");
  CheckAll("rm3_empty", rmg, dir.path(), {});
}

TEST(RM3Golden, UpperCaseFileNames) {
  TempDir dir;
  RM3Writer::Options options;
  options.upper_case_names = true;
  const std::string rmg = RM3SampleFamily().Write(dir.path(), "Family", options);
  EXPECT_TRUE(fs::exists(dir / "FAMILY_I.DBF"));
  // The same family as the lower-case file set, so only the list is kept apart.
  Compare("rm3_family_list.txt", RunCli("list " + Quote(rmg)));
  Compare("rm3_family_dump.txt", RunCli("dump " + Quote(rmg)));
}

}  // namespace
