// A Legacy database cut while it is open.  libmdb reads pages with read(2) into its own page
// buffer, so a cut file gives short reads (empty records), never a signal.

#include <gtest/gtest.h>

#include "app/ReaderChoice.h"
#include "base/UIHooks.h"
#include "formats/legacy/LEGCollection.h"
#include "support/ChangedOnDisk.h"
#include "support/JetWriter.h"
#include "support/TempDir.h"
#include "legacy/LegacyFixture.h"

namespace {

TEST(LegacyChanged, CutDatabaseReadsAsEmpty) {
  for (off_t length : {off_t{0}, off_t{4096 * 3 + 10}}) {
    JetWriter writer;
    BuildFamilyFixture(writer);
    TempDir dir;
    WriteFile(dir / "family.fdb", writer.Bytes());
    ImportCancelled = false;
    WLEGCollection c(dir / "family.fdb");
    c.RememberSourceFiles();
    ASSERT_TRUE(c.Import());
    c.BuildLinks();
    EXPECT_FALSE(c.ChangedOnDisk());
    CutSourcesAndWalk(c, length);
  }
}

// Settings that cannot be read are damage, not an old version: updating the file in its program
// would not help.
TEST(LegacyChanged, UnreadableSettingsSayTheFileIsDamaged) {
  JetWriter writer;
  AddLegacySkeleton(writer, "");
  TempDir dir;
  ASSERT_TRUE(writer.Write(dir / "blank.fdb"));
  std::string error;
  EXPECT_EQ(CreateCollectionForFile(dir / "blank.fdb", error), nullptr);
  EXPECT_EQ(error, "Error: This Legacy file is damaged: its settings cannot be read.");
}

}  // namespace
