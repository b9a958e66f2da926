// The CLI's dump, list, info, summary and show output for the TMG 5.x fixtures equals the
// expected text under tests/golden/ (UPDATE_GOLDEN=1 rewrites it).  TMG5_FIXTURE_DIR=<dir>
// writes the fixtures there as well, to open them in the viewer.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "TMG5Fixture.h"
#include "support/Golden.h"
#include "support/TempDir.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class TMG5Golden : public testing::Test {
 protected:
  void SetUp() override {
    if (const char* keep = std::getenv("TMG5_FIXTURE_DIR")) {
      std::filesystem::create_directories(std::string(keep) + "/family");
      std::filesystem::create_directories(std::string(keep) + "/empty");
      FamilyProject5().Write(std::string(keep) + "/family", "family_.pjc");
      EmptyProject5().Write(std::string(keep) + "/empty", "empty_.pjc");
    }
  }
  TempDir dir_;
};

TEST_F(TMG5Golden, FamilyProject) {
  const std::string project = ShellQuote(FamilyProject5().Write(dir_.path(), "family_.pjc"));
  ExpectGolden(RunCli("dump " + project), "tmg5_family_dump.txt");
  ExpectGolden(RunCli("list " + project), "tmg5_family_list.txt");
  ExpectGolden(MaskInfo(RunCli("info " + project)), "tmg5_family_info.txt");
  std::string summary;
  // By data set and number, as the list shows them.
  for (const char* ref : {"1:1", "1:3", "1:4", "1:5", "1:7", "2:2", "2:10", "2:11", "2:14", "2:20"})
    summary += std::string("== ") + ref + "\n" + RunCli("summary " + project + " " + ref);
  ExpectGolden(summary, "tmg5_family_summary.txt");
  std::string show;
  for (const char* ref : {"1:1", "1:3", "1:4", "2:2", "2:10", "2:11"})
    show += std::string("== ") + ref + "\n" + RunCli("show " + project + " " + ref + " --notes");
  ExpectGolden(show, "tmg5_family_show.txt");
  ExpectGolden(ChartsOutput(project, {"1:1", "1:3", "1:4", "2:2", "2:10", "2:11"}), "tmg5_family_charts.txt");
}

TEST_F(TMG5Golden, EmptyProject) {
  const std::string project = ShellQuote(EmptyProject5().Write(dir_.path(), "empty_.pjc"));
  ExpectGolden(RunCli("dump " + project), "tmg5_empty_dump.txt");
  ExpectGolden(RunCli("list " + project), "tmg5_empty_list.txt");
  ExpectGolden(MaskInfo(RunCli("info " + project)), "tmg5_empty_info.txt");
}

// The identifier order of the sorted lists and the identifier search of advanced find take the
// data set first, then the number as a number.
TEST_F(TMG5Golden, IdentifiersSortAsPairsAndAreFoundAsTheListShowsThem) {
  TMG5Writer w;
  const int ids[][2] = {{1, 10}, {1, 3}, {2, 1}, {1, 20}, {12, 3}, {12, 10}, {2, 100}};
  for (size_t i = 0; i < std::size(ids); ++i) {
    TMGWriter::Person p;
    p.id = static_cast<int>(i) + 1;
    w.project.people.push_back(p);
    w.data_sets[p.id] = {ids[i][0], ids[i][1]};
  }
  const std::string project = ShellQuote(w.Write(dir_.path(), "order_.pjc"));
  std::string order;
  for (const std::string& line : Lines(RunCli("list " + project + " --sort rin")))
    order +=
        line.substr(line.find('\t') + 1, line.find('\t', line.find('\t') + 1) - line.find('\t') - 1) + " ";
  EXPECT_EQ(order, "1:3 1:10 1:20 2:1 2:100 12:3 12:10 ");
  EXPECT_EQ(RunCli("find " + project + " 12:10 --by rin").substr(0, 4),
            "7\t6\t");  // position in the sorted list, record
  EXPECT_EQ(RunCli("find " + project + " 2:100 --by rin").substr(0, 4), "5\t7\t");
}

}  // namespace
