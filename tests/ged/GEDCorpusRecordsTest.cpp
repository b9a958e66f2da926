// Every record of every GEDCOM file of the shared corpus reads through the model, and so
// does every record of the bundled sample cut short or damaged anywhere.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "TempGedFile.h"
#include "app/ReaderChoice.h"
#include "base/UIHooks.h"
#include "formats/ged/GEDCollection.h"
#include "support/CollectionWalk.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

TEST(GEDCorpusRecords, EveryRecordOfEveryFileReads) {
  fs::path folder = fs::path(CorpusDir()) / "ged";
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
  int walked = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::string path = entry.path().string();
    SCOPED_TRACE(path);
    std::string error;
    std::unique_ptr<WABSCollection> c = CreateCollectionForFile(path, error);
    if (!c) continue;  // refused (Unicode); the scan tests check the message
    ImportCancelled = false;
    ASSERT_TRUE(c->Import());
    c->BuildLinks();
    WalkCollection(*c);
    ++walked;
  }
  EXPECT_GT(walked, 0);
}

// The sample cut at many places, and with a line break or a level digit turned into
// something else: every record still reads, nothing crashes.
TEST(GEDDamagedFiles, CutAndGarbledSamplesStillRead) {
  std::ifstream in(TestDataPath("sample.ged"), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::string sample = bytes.str();
  ASSERT_GT(sample.size(), 1000u);
  for (size_t cut = 0; cut < sample.size(); cut += 397) {
    for (int variant = 0; variant < 3; ++variant) {
      std::string damaged = sample.substr(0, cut);
      if (variant == 1 && cut > 0) damaged[cut - 1] = '@';
      if (variant == 2) damaged = sample, damaged[cut] = damaged[cut] == '\n' ? '0' : '\n';
      SCOPED_TRACE(testing::Message() << "cut " << cut << " variant " << variant);
      TempGedFile file(damaged);
      WGEDCollection c(file.path());
      ImportCancelled = false;
      ASSERT_TRUE(c.Import());
      c.BuildLinks();
      WalkCollection(c);
    }
  }
}

}  // namespace
