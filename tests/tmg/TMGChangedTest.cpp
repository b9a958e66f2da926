// A TMG 4 or 5 project whose tables and memo files are cut while it is open.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "formats/tmg/TMG5Collection.h"
#include "formats/tmg/TMGCollection.h"
#include "support/ChangedOnDisk.h"
#include "support/TempDir.h"
#include "tmg/TMG5Fixture.h"
#include "tmg/TMGFixture.h"

namespace {

template <class Collection>
void OpenCutAndWalk(const std::string& project, off_t length) {
  Collection c(project);
  c.RememberSourceFiles();
  ASSERT_TRUE(c.Import());
  c.BuildLinks();
  EXPECT_FALSE(c.ChangedOnDisk());
  // The project file, and per table its .dbf and, for most, its .fpt.
  const std::vector<std::string> files = c.SourceFiles();
  EXPECT_GT(files.size(), 15u);
  bool memo = false;
  for (const std::string& f : files) memo = memo || f.find(".fpt") != std::string::npos;
  EXPECT_TRUE(memo);
  CutSourcesAndWalk(c, length);
}

TEST(TMGChanged, CutTablesAndMemoFilesReadAsEmpty) {
  for (off_t length : {off_t{0}, off_t{700}}) {
    TempDir dir4;
    OpenCutAndWalk<WTMGCollection>(FamilyProject().Write(dir4.path(), "family_.tmg"), length);
    TempDir dir5;
    OpenCutAndWalk<WTMG5Collection>(FamilyProject5().Write(dir5.path(), "family_.pjc"), length);
  }
}

}  // namespace
