// Every GEDCOM file of the shared corpus opens, or is refused with the reader-choice
// message, and survives a walk over its indexes.

#include <filesystem>

#include <gtest/gtest.h>

#include "app/ReaderChoice.h"
#include "base/UIHooks.h"
#include "formats/ged/GEDCollection.h"
#include "model/FamLinks.h"
#include "model/IndLinks.h"
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
      bool unicode = WGEDCollection::IsUnicodeFile(path);
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
    // Each family's husband and wife are what its own last resolvable HUSB and WIFE lines
    // name, found here line by line through the lookups.
    const WGEDTextMMF& text = ged.Text();
    for (RecNo f = 1; f <= ged.FamilyCount(); ++f) {
      const char* record = ged.RecordLine(gkFamily, f);
      const char* next = text.NextRecord(record);
      RecNo husband = 0, wife = 0;
      int children = 0;
      for (const char* line = text.NextLine(record); line && (!next || line < next);
           line = text.NextLine(line)) {
        if (*line != '1') continue;
        RecNo person = ged.FindIndividual(text.GetXRef(line + 6));
        if (person == 0) continue;
        if (text.TagAt(line) == GEDTag("HUSB")) husband = person;
        if (text.TagAt(line) == GEDTag("WIFE")) wife = person;
        if (text.TagAt(line) == GEDTag("CHIL")) ++children;
      }
      EXPECT_EQ(ged.FamLinks()->GetHusband(f), husband) << f;
      EXPECT_EQ(ged.FamLinks()->GetWife(f), wife) << f;
      EXPECT_GE(ged.FamLinks()->ChildCount(f), children > 0 ? 1 : 0) << f;
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
