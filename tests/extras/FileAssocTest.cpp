#include "app/FileAssoc.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

TEST(FileAssoc, AsksOnlyWhenSwitchedOnAndAnotherProgramOpensGedcom) {
  std::string other = "gramps.desktop\n", ours = "taravell-lite.desktop\n", none = "";
  EXPECT_EQ(WFileAssoc::Decide(true, &other), WFileAssoc::Step::Ask);
  EXPECT_EQ(WFileAssoc::Decide(true, &none), WFileAssoc::Step::Ask);
  EXPECT_EQ(WFileAssoc::Decide(true, &ours), WFileAssoc::Step::AlreadyOurs);
  EXPECT_EQ(WFileAssoc::Decide(false, &other), WFileAssoc::Step::Nothing);
  EXPECT_EQ(WFileAssoc::Decide(true, nullptr), WFileAssoc::Step::Nothing);
  EXPECT_TRUE(WFileAssoc::IsOurs("  taravell-lite.desktop \r\nother.desktop\n"));
  EXPECT_FALSE(WFileAssoc::IsOurs("other.desktop\ntaravell-lite.desktop\n"));
  EXPECT_FALSE(WFileAssoc::IsOurs("taravell-lite.desktop.bak"));
}

TEST(FileAssoc, PafAssociationIsAddedBesideTheExistingViewer) {
  std::string wine = "wine-extension-paf.desktop\n", ours = "taravell-lite.desktop", none = "\n";
  EXPECT_TRUE(WFileAssoc::WantsPafAssociation(&wine));
  EXPECT_FALSE(WFileAssoc::WantsPafAssociation(&ours));
  EXPECT_FALSE(WFileAssoc::WantsPafAssociation(&none));
  EXPECT_FALSE(WFileAssoc::WantsPafAssociation(nullptr));

  TempDir dir;
  std::string path = dir / "mimeapps.list";
  WriteFile(path,
            "# user choices\n[Default Applications]\napplication/x-paf=wine.desktop\n\n"
            "[Added Associations]\napplication/x-paf=wine.desktop\ntext/plain=gedit.desktop;\n");
  ASSERT_TRUE(WFileAssoc::AddAssociation(path, "application/x-paf", "taravell-lite.desktop"));
  std::string text = ReadFile(path);
  EXPECT_NE(text.find("# user choices\n[Default Applications]\napplication/x-paf=wine.desktop\n"),
            std::string::npos);
  EXPECT_NE(text.find("[Added Associations]\napplication/x-paf=wine.desktop;taravell-lite.desktop;\n"),
            std::string::npos);
  EXPECT_NE(text.find("text/plain=gedit.desktop;"), std::string::npos);
  // Adding it again changes nothing.
  ASSERT_TRUE(WFileAssoc::AddAssociation(path, "application/x-paf", "taravell-lite.desktop"));
  EXPECT_EQ(ReadFile(path), text);

  // A user without a mimeapps.list gets one.
  std::string fresh = dir / "sub/mimeapps.list";
  ASSERT_TRUE(WFileAssoc::AddAssociation(fresh, "application/x-paf", "taravell-lite.desktop"));
  EXPECT_NE(ReadFile(fresh).find("[Added Associations]\napplication/x-paf=taravell-lite.desktop;"),
            std::string::npos);
}

}  // namespace
