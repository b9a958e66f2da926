// Quick help shows each item once; the stop box silences all of them until a reset.
// The maker's mail links are well-formed.

#include "app/QuickHelp.h"

#include <gtest/gtest.h>

#include "app/MakerLinks.h"
#include "app/Options.h"

namespace {

class QuickHelpTest : public ::testing::Test {
 protected:
  void SetUp() override { Options().ResetToDefaults(); }
  void TearDown() override { Options().ResetToDefaults(); }
};

TEST_F(QuickHelpTest, EachItemOnceThenStopSilencesAllUntilReset) {
  for (int item = 1; item <= WQuickHelp::kItemCount; ++item) EXPECT_TRUE(WQuickHelp::IsDue(item));
  EXPECT_FALSE(WQuickHelp::IsDue(0));
  EXPECT_FALSE(WQuickHelp::IsDue(WQuickHelp::kItemCount + 1));

  // The welcome closed without the stop box: only it is done.
  WQuickHelp::Shown(WQuickHelp::kWelcome, false);
  EXPECT_FALSE(WQuickHelp::IsDue(WQuickHelp::kWelcome));
  EXPECT_TRUE(WQuickHelp::IsDue(WQuickHelp::kGeneralTab));
  EXPECT_FALSE(Options().GetBool(WOptions::IH1));
  EXPECT_TRUE(Options().GetBool(WOptions::DispInitHelp));

  // The stop box on the General tab's help: no other item is due any more.
  WQuickHelp::Shown(WQuickHelp::kGeneralTab, true);
  EXPECT_FALSE(Options().GetBool(WOptions::DispInitHelp));
  EXPECT_TRUE(Options().GetBool(WOptions::IH3));
  EXPECT_FALSE(WQuickHelp::IsDue(WQuickHelp::kIndividualTab));
  EXPECT_FALSE(WQuickHelp::IsDue(WQuickHelp::kFamilyTab));

  WQuickHelp::Reset();
  for (int item = 1; item <= WQuickHelp::kItemCount; ++item) EXPECT_TRUE(WQuickHelp::IsDue(item));

  // Settings written as text by hand follow the store's rules: only "T" is true.
  Options().SetString(WOptions::IH4, "t");
  EXPECT_FALSE(WQuickHelp::IsDue(WQuickHelp::kFamilyTab));
}

TEST_F(QuickHelpTest, TabsMapToTheirItemsWithTitlesAndNotice) {
  EXPECT_EQ(WQuickHelp::ItemForTab(0), WQuickHelp::kGeneralTab);
  EXPECT_EQ(WQuickHelp::ItemForTab(1), WQuickHelp::kIndividualTab);
  EXPECT_EQ(WQuickHelp::ItemForTab(2), WQuickHelp::kFamilyTab);
  EXPECT_EQ(WQuickHelp::ItemForTab(3), WQuickHelp::kPedigreeTab);
  EXPECT_EQ(WQuickHelp::ItemForTab(4), WQuickHelp::kDescendantsTab);
  EXPECT_EQ(WQuickHelp::ItemForTab(5), 0);  // the information pages have none
  EXPECT_EQ(WQuickHelp::ItemForTab(-1), 0);
  EXPECT_EQ(WQuickHelp::Title(3), "Individual Tab");
  EXPECT_EQ(WQuickHelp::Title(9), "");
  EXPECT_EQ(WQuickHelp::Notice("Family Tab"),
            "This help dialog box for \"Family Tab\" is only displayed once.");
  const std::string welcome = WQuickHelp::Text(WQuickHelp::kWelcome);
  EXPECT_NE(welcome.find("TMG Users please note:  Taravell and TMG cannot view the same TMG database at the "
                         "same time."),
            std::string::npos);
  // What a Legacy file needs here, not a Windows component.
  EXPECT_NE(
      welcome.find("Legacy Users please note:  Taravell reads Legacy files through the MDB Tools library "
                   "(libmdb, Debian package libmdb3), which must be installed."),
      std::string::npos);
  // Every registered reader is named, and a note two readers share is given once.
  for (const char* kind : {"GEDCOM (.ged, .sub, .xxx)", "The Master Genealogist 5.x (.pjc)", "RootsMagic (.rmg)",
                           "Family Tree Maker (.ftw, .fbk)", "Legacy Family Tree (.fdb)"})
    EXPECT_NE(welcome.find(kind), std::string::npos) << kind;
  EXPECT_EQ(welcome.find("TMG Users please note"), welcome.rfind("TMG Users please note"));
  for (int item = 1; item <= WQuickHelp::kItemCount; ++item)
    for (const char* windows_only : {"Microsoft", "DAO", "Windows", "registry"})
      EXPECT_EQ(WQuickHelp::Text(item).find(windows_only), std::string::npos) << item << " " << windows_only;
  EXPECT_EQ(WQuickHelp::Text(2).substr(0, 26), "General Tab displays gener");
}

TEST(MakerLinks, MailLinksCarrySubjectAndEncodedBody) {
  EXPECT_EQ(WMakerLinks::VersionText(), "Version: 1.15.555");
  EXPECT_EQ(WMakerLinks::MailBody(), "Taravell Lite (1.15.555)");
  EXPECT_EQ(WMakerLinks::SuggestionMailLink(),
            "mailto:" + WMakerLinks::SuggestionAddress() +
                "?subject=Suggestion&body=Taravell%20Lite%20%281.15.555%29");
  EXPECT_EQ(WMakerLinks::ServiceMailLink().find("?subject=Service&body="),
            ("mailto:" + WMakerLinks::ServiceAddress()).size());
  const std::string friend_link = WMakerLinks::EmailAFriendLink();
  EXPECT_EQ(friend_link.rfind("mailto:?subject=Taravell%20Lite&body=", 0), 0u);
  // Characters that would end or split the link are encoded.
  EXPECT_EQ(WMakerLinks::PercentEncode("a&b=c?d#e f/\xE9"), "a%26b%3Dc%3Fd%23e%20f%2F%E9");
  EXPECT_EQ(WMakerLinks::MailLink("x@y", "", ""), "mailto:x@y");
  EXPECT_EQ(WMakerLinks::MailLink("x@y", "", "hi"), "mailto:x@y?body=hi");
}

}  // namespace
