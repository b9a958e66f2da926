// The CLI's dump, list, info, summary and show output for the TMG fixtures equals the expected
// text under tests/golden/.  UPDATE_GOLDEN=1 rewrites the expected files from the current output
// (review the diff before committing it).  TMG_FIXTURE_DIR=<dir> writes the fixtures there.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TMGFixture.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& s) { return "'" + s + "'"; }

std::string RunCli(const std::string& args, int expected_status = 0) {
  int status = -1;
  std::string out = RunCommand("LC_ALL=C " + Quote(CliPath()) + " " + args + " 2>&1", &status);
  EXPECT_EQ(status, expected_status) << args;
  return out;
}

// The rows of `info` that differ between runs: the path, the file's date, the import time.
std::string MaskInfo(const std::string& text, const std::string& dir) {
  std::istringstream in(text);
  std::string line, out;
  while (std::getline(in, line)) {
    if (line.rfind("Name\t", 0) == 0) line = "Name\t<path>";
    if (line.rfind("Date\t", 0) == 0 && out.find("# Submitter") == std::string::npos)
      line = "Date\t<file date>";
    if (line.rfind("Importing\t", 0) == 0) line = "Importing\t<seconds>";
    for (size_t at = line.find(dir); at != std::string::npos; at = line.find(dir))
      line.replace(at, dir.size(), "<dir>");
    out += line + "\n";
  }
  return out;
}

void Compare(const std::string& expected_name, const std::string& actual) {
  const fs::path expected_path = fs::path(SourceDir()) / "tests" / "golden" / expected_name;
  const char* update = std::getenv("UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::ofstream(expected_path, std::ios::binary) << actual;
    return;
  }
  ASSERT_TRUE(fs::exists(expected_path)) << expected_path << " is missing; run with UPDATE_GOLDEN=1";
  std::ifstream in(expected_path, std::ios::binary);
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(actual, expected.str()) << "differs from " << expected_path;
}

class TMGGolden : public testing::Test {
 protected:
  void SetUp() override {
    if (const char* keep = std::getenv("TMG_FIXTURE_DIR")) {
      fs::create_directories(std::string(keep) + "/family");
      fs::create_directories(std::string(keep) + "/empty");
      WriteFamilyProject(std::string(keep) + "/family");
      EmptyProject().Write(std::string(keep) + "/empty", "empty.tmg");
    }
  }
  TempDir dir_;
};

TEST_F(TMGGolden, FamilyProject) {
  const std::string project = Quote(WriteFamilyProject(dir_.path()));
  Compare("tmg_family_dump.txt", RunCli("dump " + project));
  Compare("tmg_family_list.txt", RunCli("list " + project));
  Compare("tmg_family_info.txt", MaskInfo(RunCli("info " + project), dir_.path()));
  std::string summary;
  // Record numbers (people numbered from 12 on are one place lower: 11 is deleted).
  for (const char* ref : {"1", "3", "5", "7", "10", "11", "15", "18", "21", "22", "25", "27", "39"})
    summary += std::string("== ") + ref + "\n" + RunCli("summary " + project + " " + ref);
  Compare("tmg_family_summary.txt", summary);
  std::string show;
  for (const char* ref : {"1", "3", "4", "20", "26", "30", "32", "36", "39"})
    show += std::string("== ") + ref + "\n" + RunCli("show " + project + " " + ref + " --notes");
  Compare("tmg_family_show.txt", show);
  std::string charts;
  for (const char* ref : {"1", "3", "5", "7", "10", "21", "39"}) {
    charts += std::string("== ") + ref + "\n# pedigree\n" + RunCli("pedigree " + project + " " + ref);
    charts += "# descendants\n" + RunCli("descendants " + project + " " + ref);
  }
  Compare("tmg_family_charts.txt", charts);
}

TEST_F(TMGGolden, EmptyProject) {
  const std::string project = Quote(EmptyProject().Write(dir_.path(), "empty.tmg"));
  Compare("tmg_empty_dump.txt", RunCli("dump " + project));
  Compare("tmg_empty_list.txt", RunCli("list " + project));
  Compare("tmg_empty_info.txt", MaskInfo(RunCli("info " + project), dir_.path()));
}

TEST_F(TMGGolden, RefusedVersion) {
  TMGWriter w = FamilyProject();
  w.version_line = "TMG Version 4.0b";
  const std::string project = Quote(w.Write(dir_.path(), "family_.tmg"));
  std::string out;
  for (const char* command : {"dump", "list", "info"}) out += RunCli(std::string(command) + " " + project, 1);
  Compare("tmg_refused.txt", MaskInfo(out, dir_.path()));
}

}  // namespace
