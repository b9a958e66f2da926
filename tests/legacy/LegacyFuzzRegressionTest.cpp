// The Legacy fuzz harness's seeds and any input that once crashed or misread under it (kept in
// fuzz/seeds): each must open (or be refused) and survive a full walk of its records.

#include <gtest/gtest.h>

#include <filesystem>

#include "base/Errors.h"
#include "base/UIHooks.h"
#include "formats/legacy/LEGCollection.h"
#include "support/CollectionWalk.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

TEST(LegacyFuzzRegressions, EveryKeptInputOpensAndIsWalked) {
  int walked = 0;
  const fs::path folder = fs::path(SourceDir()) / "fuzz/seeds/fuzz_legacy_jet";
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    SCOPED_TRACE(entry.path().string());
    const WReaderInfo& reader = WLEGCollection::ReaderInfo();
    if (!reader.probe(entry.path().string()).empty()) continue;
    try {
      auto collection = reader.create(entry.path().string());
      ImportCancelled = false;
      if (!collection->Import()) continue;
      collection->BuildLinks();
      WalkCollection(*collection);
      ++walked;
    } catch (const ETaravellError&) {
    }
  }
  EXPECT_GT(walked, 0);
}

}  // namespace
