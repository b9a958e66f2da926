// The fuzz harness's seeds and any input that once crashed or misread under it (kept in
// tests/data/fuzz): each must open (or be refused) and survive a full walk of its records.

#include <filesystem>

#include <gtest/gtest.h>

#include "app/ReaderChoice.h"
#include "base/UIHooks.h"
#include "support/CollectionWalk.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

TEST(GEDFuzzRegressions, EveryKeptInputOpensAndIsWalked) {
  int walked = 0;
  for (const fs::path& folder :
       {fs::path(TestDataPath("fuzz")), fs::path(SourceDir()) / "fuzz/seeds/fuzz_gedcom"}) {
    if (!fs::is_directory(folder)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      SCOPED_TRACE(entry.path().string());
      std::string error;
      std::unique_ptr<WABSCollection> collection = CreateCollectionForFile(entry.path().string(), error);
      if (!collection) continue;
      ImportCancelled = false;
      ASSERT_TRUE(collection->Import());
      collection->BuildLinks();
      WalkCollection(*collection);
      ++walked;
    }
  }
  EXPECT_GT(walked, 0);
}

}  // namespace
