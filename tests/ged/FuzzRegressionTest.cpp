// Inputs that once crashed or misread under the fuzz harness: each must open (or be
// refused) and survive a full walk of its records.

#include <filesystem>

#include <gtest/gtest.h>

#include "app/ReaderChoice.h"
#include "model/UIHooks.h"
#include "support/CollectionWalk.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

TEST(GEDFuzzRegressions, EveryKeptInputOpensAndIsWalked) {
  fs::path folder = TestDataPath("fuzz");
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no kept fuzz inputs";
  int walked = 0;
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
  EXPECT_GT(walked, 0);
}

}  // namespace
