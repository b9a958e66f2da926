// The small rules of the window shell: wait-dialog nesting, window placement, file masks, the
// stored number of the last tab.
#include <gtest/gtest.h>

#include "app/FileMask.h"
#include "app/MainTabs.h"
#include "app/Options.h"
#include "app/WaitNesting.h"
#include "app/WindowPlacement.h"
#include "base/UIHooks.h"
#include "formats/Readers.h"
#include "settings/TempDir.h"

TEST(WaitNesting, OnlyTheOutermostLevelShowsAndOnlyTheLastReleaseHides) {
  WWaitNesting wait;
  ImportCancelled = true;
  EXPECT_EQ(wait.Enter(false, false), WWaitNesting::Action::kStartTimer);
  EXPECT_TRUE(ImportCancelled.load());  // without Cancel the flag stays
  EXPECT_EQ(wait.Enter(true, true), WWaitNesting::Action::kNone);
  EXPECT_FALSE(ImportCancelled.load());
  EXPECT_FALSE(wait.Leave());
  EXPECT_TRUE(wait.Leave());
  EXPECT_EQ(wait.Depth(), 0);
  // An extra release does not go below zero, and the next request starts afresh.
  EXPECT_FALSE(wait.Leave());
  EXPECT_EQ(wait.Depth(), 0);
  EXPECT_EQ(wait.Enter(true, false), WWaitNesting::Action::kShowNow);
  EXPECT_EQ(WWaitNesting::Height(true, false), 100);
  EXPECT_EQ(WWaitNesting::Height(false, false), 67);
  EXPECT_EQ(WWaitNesting::Height(true, true), 125);
  EXPECT_EQ(WWaitNesting::Height(false, true), 83);
}

TEST(WindowPlacement, MissingKeysGiveMaximizedAndEighthsOfTheScreen) {
  TempDir dir;
  WOptions options;
  options.OpenSettingsFile(dir / "t.ini");
  WWindowPlacement p = WWindowPlacement::Read(options, "General", 1280, 1024);
  EXPECT_EQ(p.show_cmd, WWindowPlacement::kMaximized);
  EXPECT_FALSE(p.HasMinimizedPosition());
  EXPECT_EQ(p.top, 128);
  EXPECT_EQ(p.left, 160);
  EXPECT_EQ(p.bottom, 896);
  EXPECT_EQ(p.right, 1120);
}

TEST(WindowPlacement, WrittenKeysReadBackAndFarEdgesFollowNearOnes) {
  TempDir dir;
  {
    WOptions options;
    options.OpenSettingsFile(dir / "t.ini");
    WWindowPlacement p;
    p.show_cmd = WWindowPlacement::kNormal;
    p.min_x = 5;
    p.min_y = 6;
    p.top = 10, p.left = 20, p.bottom = 410, p.right = 620;
    p.Write(options, "General");
    options.CloseSettingsFile();
  }
  WOptions options;
  options.OpenSettingsFile(dir / "t.ini");
  WWindowPlacement p = WWindowPlacement::Read(options, "General", 800, 600);
  EXPECT_EQ(p.show_cmd, 1);
  EXPECT_TRUE(p.HasMinimizedPosition());
  EXPECT_EQ(p.Width(), 600);
  EXPECT_EQ(p.Height(), 400);
  // Only Top and Left stored: the far edges default to seven times them.
  WriteFile(dir / "u.ini", "[General]\nTop=50\nLeft=30\n");
  WOptions partial;
  partial.OpenSettingsFile(dir / "u.ini");
  p = WWindowPlacement::Read(partial, "General", 800, 600);
  EXPECT_EQ(p.bottom, 350);
  EXPECT_EQ(p.right, 210);
}

// The masks list exactly the registered readers' extensions, so that the file list and the
// dialogs offer only files that open.
// Settings files written before the chart tabs joined keep naming the same tab: 0 to 4 are
// General, Individual, Family and the two information pages; the chart tabs come after.
TEST(MainTabs, LastTabValuesKeepTheirMeaningWhereverTheTabsStand) {
  EXPECT_EQ(WMainTabs::FromSetting(0), WMainTabs::kGeneral);
  EXPECT_EQ(WMainTabs::FromSetting(1), WMainTabs::kIndividual);
  EXPECT_EQ(WMainTabs::FromSetting(2), WMainTabs::kFamily);
  EXPECT_EQ(WMainTabs::FromSetting(3), WMainTabs::kFeatures);
  EXPECT_EQ(WMainTabs::FromSetting(4), WMainTabs::kLinks);
  EXPECT_EQ(WMainTabs::FromSetting(5), WMainTabs::kPedigree);
  EXPECT_EQ(WMainTabs::FromSetting(6), WMainTabs::kDescendants);
  // Every tab is stored under a value of its own that reads back as the same tab.
  for (int tab = 0; tab < WMainTabs::kCount; ++tab) {
    SCOPED_TRACE(tab);
    EXPECT_EQ(WMainTabs::FromSetting(WMainTabs::ToSetting(tab)), tab);
  }
  // What names no tab is told apart, in both directions.
  for (int bad : {-1, 7, 100}) {
    EXPECT_EQ(WMainTabs::FromSetting(bad), -1);
    EXPECT_EQ(WMainTabs::ToSetting(bad), -1);
  }
}

TEST(FileMask, ListMaskAndDialogFiltersComeFromTheRegistry) {
  std::string mask;
  size_t entries = 1;
  for (const WReaderInfo* reader : RegisteredReaders()) {
    for (const std::string& e : reader->extensions) mask += (mask.empty() ? "*" : ";*") + e;
    entries += reader->filters.size();
  }
  EXPECT_EQ(WFileMask::FileListMask(), mask);
  EXPECT_EQ(mask.rfind("*.ged;*.sub;*.xxx", 0), 0u);
  EXPECT_EQ(WFileMask::SplitPatterns("*.a;;*.b").size(), 2u);
  auto filters = WFileMask::ToFilterList(WFileMask::OpenDialogFilter());
  ASSERT_EQ(filters.size(), entries);
  EXPECT_EQ(filters[0].rfind("All Files (*.ged *.GED *.sub *.SUB", 0), 0u);
  EXPECT_EQ(filters[1], "GEDCOM (*.ged *.GED)");
  EXPECT_EQ(filters[2], "Temple Submission File (*.sub *.SUB *.xxx *.XXX)");
  EXPECT_NE(WFileMask::FormatsText().find("GEDCOM (.ged, .sub, .xxx)"), std::string::npos);
  // A dangling caption without patterns is dropped.
  EXPECT_EQ(WFileMask::ToFilterList("Only caption").size(), 0u);
  EXPECT_EQ(WFileMask::ToFilterList("Mask (*.ged)|*.ged")[0], "Mask (*.ged *.GED)");
}
