// Every GEDCOM file of the shared corpus opens, or is refused with the reader-choice
// message, and survives a walk over its indexes.

#include <filesystem>

#include <gtest/gtest.h>

#include "app/ReaderChoice.h"
#include "formats/ged/GEDCollection.h"
#include "model/FamLinks.h"
#include "model/IndLinks.h"
#include "model/UIHooks.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

TEST(GEDCorpus, EveryFileOpensOrIsRefused) {
  fs::path folder = fs::path(CorpusDir()) / "ged";
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
  int opened = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::string path = entry.path().string();
    SCOPED_TRACE(path);
    std::string error;
    std::unique_ptr<WABSCollection> collection = CreateCollectionForFile(path, error);
    if (!collection) {
      // Only the Unicode refusal and unknown extensions are expected here.
      bool unicode = IsUnicodeFile(path);
      EXPECT_EQ(error, unicode ? "Error: Cannot read unicode GEDCOM file\r" + path : "Unknown file format");
      continue;
    }
    ImportCancelled = false;
    ASSERT_TRUE(collection->Import());
    collection->BuildLinks();
    auto& ged = static_cast<WGEDCollection&>(*collection);
    EXPECT_EQ(ged.PreCountIndividuals(), ged.IndividualCount());
    for (int kind = gkIndividual; kind < gkKindCount; ++kind) {
      auto k = static_cast<GEDRecordKind>(kind);
      for (RecNo n = 1; n <= ged.RecordCount(k); ++n) {
        const char* line = ged.RecordLine(k, n);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(*line, '0');
        EXPECT_EQ(ged.Text().RecordKind(line), k);
        // Every identifier finds a record of its own (the first 15 characters decide).
        std::string id = ged.Text().GetXRef(line + 2);
        RecNo found = ged.FindRecord(k, id);
        EXPECT_GT(found, 0) << id;
        if (found != n) {
          EXPECT_EQ(ged.Text().GetXRef(ged.RecordLine(k, found) + 2), id);
        }
      }
    }
    for (RecNo f = 1; f <= ged.FamilyCount(); ++f) {
      RecNo husband = ged.FamLinks()->GetHusband(f);
      EXPECT_LE(husband, ged.IndividualCount());
      for (int i = 1; i <= ged.FamLinks()->ChildCount(f); ++i) EXPECT_GT(ged.FamLinks()->GetChild(f, i), 0);
    }
    for (RecNo n = 1; n <= ged.IndividualCount(); ++n)
      for (int i = 1; i <= ged.IndLinks()->SpouseFamilyCount(n); ++i)
        EXPECT_LE(ged.IndLinks()->GetSpouseFamily(n, i), ged.FamilyCount());
    ++opened;
  }
  EXPECT_GT(opened, 0);
}

}  // namespace
