// The CLI's dump, list, info, summary and show output for the TMG 5.x fixtures equals the
// expected text under tests/golden/ (UPDATE_GOLDEN=1 rewrites it).  TMG5_FIXTURE_DIR=<dir>
// writes the fixtures there as well, to open them in the viewer.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TMG5Fixture.h"
#include "support/GoldenText.h"
#include "support/TempDir.h"

namespace {

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
  CompareWithGolden("tmg5_family_dump.txt", RunCliForGolden("dump " + project));
  CompareWithGolden("tmg5_family_list.txt", RunCliForGolden("list " + project));
  CompareWithGolden("tmg5_family_info.txt", MaskRunDetails(RunCliForGolden("info " + project), dir_.path()));
  std::string summary;
  // By data set and number, as the list shows them.
  for (const char* ref : {"1:1", "1:3", "1:4", "1:5", "1:7", "2:2", "2:10", "2:11", "2:14", "2:20"})
    summary += std::string("== ") + ref + "\n" + RunCliForGolden("summary " + project + " " + ref);
  CompareWithGolden("tmg5_family_summary.txt", summary);
  std::string show;
  for (const char* ref : {"1:1", "1:3", "1:4", "2:2", "2:10", "2:11"})
    show += std::string("== ") + ref + "\n" + RunCliForGolden("show " + project + " " + ref + " --notes");
  CompareWithGolden("tmg5_family_show.txt", show);
}

TEST_F(TMG5Golden, EmptyProject) {
  const std::string project = ShellQuote(EmptyProject5().Write(dir_.path(), "empty_.pjc"));
  CompareWithGolden("tmg5_empty_dump.txt", RunCliForGolden("dump " + project));
  CompareWithGolden("tmg5_empty_list.txt", RunCliForGolden("list " + project));
  CompareWithGolden("tmg5_empty_info.txt", MaskRunDetails(RunCliForGolden("info " + project), dir_.path()));
}

}  // namespace
