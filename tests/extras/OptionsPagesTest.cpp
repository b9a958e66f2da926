#include "app/OptionsPages.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

TEST(OptionsPages, EveryControlIsBoundToItsOwnSwitch) {
  std::set<int> settings;
  std::vector<int> perTab(static_cast<size_t>(WOptionsPages::TabCount()));
  for (const auto& c : WOptionsPages::Controls()) {
    EXPECT_TRUE(settings.insert(c.setting).second) << c.caption;
    ASSERT_GE(c.tab, 0);
    ASSERT_LT(c.tab, WOptionsPages::TabCount());
    ++perTab[static_cast<size_t>(c.tab)];
    const WOptions::Entry* e = WOptions::FindEntry(c.setting);
    ASSERT_NE(e, nullptr);
    if (c.kind == WOptionsPages::Kind::CheckBox) {
      EXPECT_TRUE(std::string(e->defaultValue) == "T" || std::string(e->defaultValue) == "F") << e->key;
    }
  }
  // The readers' tabs come after the fixed two, each once although two readers share one.
  ASSERT_EQ(WOptionsPages::TabCount(), 4);
  EXPECT_STREQ(WOptionsPages::TabCaption(2), "TMG");
  EXPECT_STREQ(WOptionsPages::TabCaption(3), "Legacy");
  EXPECT_STREQ(WOptionsPages::TabCaption(4), "");
  EXPECT_EQ(WOptionsPages::FindTab("Legacy"), 3);
  EXPECT_EQ(WOptionsPages::FindTab("Nothing"), -1);
  EXPECT_STREQ(WOptionsPages::TabNote(2), "(The TMG database must be re-loaded when changed)");
  EXPECT_STREQ(WOptionsPages::TabNote(WOptionsPages::DisplayTab), "");
  // "Reload files that change on disk without asking" joined the four of the General tab.
  EXPECT_EQ(perTab[WOptionsPages::GeneralTab], 5);
  EXPECT_TRUE(settings.count(WOptions::AutoReload));
  EXPECT_STREQ(WOptions::FindEntry(WOptions::AutoReload)->defaultValue, "F");
  EXPECT_EQ(perTab[WOptionsPages::DisplayTab], 10);
  EXPECT_EQ(perTab[2], 2);
  EXPECT_EQ(perTab[3], 1);
  EXPECT_EQ(settings.count(WOptions::FontSize), 0u);
  EXPECT_EQ(settings.count(WOptions::GridHeight), 0u);
}

TEST(OptionsPages, SaveWritesEveryControlBack) {
  WOptions options;
  WOptionsPages pages;
  pages.Load(options);
  EXPECT_TRUE(pages.Checked(WOptions::NameSlash));
  EXPECT_FALSE(pages.Checked(WOptions::UseLDS));
  // Flip every check box and pick the last radio item.
  for (const auto& c : WOptionsPages::Controls()) {
    if (c.kind == WOptionsPages::Kind::CheckBox) pages.SetChecked(c.setting, !pages.Checked(c.setting));
  }
  pages.SetRadioIndex(2);
  options.SetString(WOptions::FontSize, "11");

  WOptions before;
  pages.Save(options);
  for (const auto& c : WOptionsPages::Controls()) {
    if (c.kind == WOptionsPages::Kind::CheckBox) {
      EXPECT_NE(options.GetBool(c.setting), before.GetBool(c.setting)) << c.caption;
    }
  }
  EXPECT_EQ(options.GetInt(WOptions::FNValue), 3);
  EXPECT_EQ(options.GetString(WOptions::FontSize), "11");
  EXPECT_EQ(options.GetString(WOptions::GridHeight), "14");
}

TEST(OptionsPages, UntickedValueKeepsItsSelection) {
  WOptions options;
  options.SetInt(WOptions::FNValue, 2);
  WOptionsPages pages;
  pages.Load(options);
  EXPECT_EQ(pages.RadioIndex(), 1);
  EXPECT_TRUE(pages.RadioEnabled());
  pages.SetChecked(WOptions::FNValueFlag, false);
  EXPECT_FALSE(pages.RadioEnabled());
  EXPECT_EQ(pages.RadioIndex(), 1);
  pages.SetRadioIndex(0);
  pages.Save(options);
  EXPECT_FALSE(options.GetBool(WOptions::FNValueFlag));
  EXPECT_EQ(options.GetInt(WOptions::FNValue), 1);
}

TEST(OptionsPages, UnknownValueSelectsNothingAndIsKept) {
  WOptions options;
  options.SetString(WOptions::FNValue, "7");
  WOptionsPages pages;
  pages.Load(options);
  EXPECT_EQ(pages.RadioIndex(), -1);
  options.SetString(WOptions::FNValue, "1");
  pages.Save(options);
  EXPECT_EQ(options.GetString(WOptions::FNValue), "7");
  pages.SetRadioIndex(5);
  EXPECT_EQ(pages.RadioIndex(), -1);
}

}  // namespace
