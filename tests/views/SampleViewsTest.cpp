// The views over the bundled sample file, read by the GEDCOM reader.

#include <gtest/gtest.h>

#include <memory>

#include "ViewsFixture.h"
#include "app/ReaderChoice.h"
#include "support/TestPaths.h"
#include "views/FamPanelLogic.h"
#include "views/IndPanelLogic.h"
#include "views/IndScrollLogic.h"

namespace {

class SampleViews : public ViewsTest {
 protected:
  void SetUp() override {
    ViewsTest::SetUp();
    std::string error;
    sample = CreateCollectionForFile(TestDataPath("sample.ged"), error);
    ASSERT_NE(sample, nullptr) << error;
    ASSERT_TRUE(sample->Import());
    sample->BuildLinks();
  }

  std::vector<std::string> Types(const WIndPanelLogic& panel) {
    std::vector<std::string> types;
    for (const IndInfoRec& row : panel.Rows()) types.push_back(row.type);
    return types;
  }

  std::unique_ptr<WABSCollection> sample;
};

TEST_F(SampleViews, WalkingTheScrollerKeepsTheTabsInStep) {
  WIndScrollLogic scroll;
  WIndPanelLogic ind;
  WFamPanelLogic fam;
  ind.SetCollection(sample.get());
  fam.SetCollection(sample.get());
  scroll.OnChange = [&] {
    ind.SetIndividual(scroll.CurrentIndividual());
    fam.SetIndividual(scroll.CurrentIndividual());
  };
  scroll.SetCollection(sample.get());
  EXPECT_EQ(scroll.ScrollMax(), 41);
  EXPECT_EQ(scroll.Caption(), " 1 - Thomas Marwick, 3 Feb 1821, Whitby, Yorkshire, England");
  EXPECT_EQ(ind.Rows()[1].information, "Thomas Marwick");

  scroll.BuildSpouseMenu();
  ASSERT_EQ(scroll.SpouseMenu().Count(), 7);
  EXPECT_EQ(scroll.SpouseMenu().Item(0), "Spouse: Ellen Harker");
  EXPECT_EQ(scroll.SpouseMenu().Item(1), "   < 1846 William Henry Marwick");
  scroll.ChooseSpouseMenuItem(1);
  EXPECT_EQ(scroll.CurrentIndividual(), 4);
  EXPECT_EQ(fam.Box(fbFather).Individual(), 1);

  scroll.UserScroll(33, false);  // Marcel
  EXPECT_EQ(ind.Rows()[1].information, "Marcel Marwick");
  scroll.GoToMother();
  EXPECT_EQ(scroll.CurrentIndividual(), 32);
  EXPECT_EQ(fam.CounterLabel(), "(1 of 2)");
  scroll.GoBack();
  scroll.GoBack();
  EXPECT_EQ(scroll.CurrentIndividual(), 4);
  scroll.GoForward();
  EXPECT_EQ(scroll.CurrentIndividual(), 33);
  EXPECT_EQ(ind.Individual(), 33);
  EXPECT_EQ(fam.Individual(), 33);
}

TEST_F(SampleViews, IndividualTabOfAManWithTwoMarriages) {
  WIndPanelLogic panel;
  panel.SetCollection(sample.get());
  panel.SetIndividual(1);
  EXPECT_EQ(panel.SexText(), "M");
  EXPECT_EQ(panel.ModifiedText(), "2 Mar 2004");
  EXPECT_EQ(Types(panel),
            std::vector<std::string>({"REF/AFN/Custom", "Name", "Birth", "Christening", "Death", "Burial",
                                      "Occupation", "Marriage 1 (4)", "     Son", "     Daughter", "     Son",
                                      "     Daughter", "Marriage 2 (1)", "     Son"}));
  const IndInfoArray& rows = panel.Rows();
  EXPECT_EQ(rows[0].information, "I1 /  / ");
  EXPECT_NE(rows[0].note.find("cabin boy"), std::string::npos);
  EXPECT_EQ(rows[3].age, "0");
  EXPECT_EQ(rows[4].information, "Whitby, Yorkshire, England, Bronchitis");
  EXPECT_EQ(rows[4].age, "68");  // born 3 Feb 1821, died 28 Nov 1889: before his 69th birthday
  EXPECT_EQ(rows[7].information,
            "Ellen Harker, m. 19 May 1845, St Mary's Church, Whitby, Yorkshire, England");
  EXPECT_EQ(rows[7].individual, 2);
  EXPECT_EQ(rows[8].individual, 4);
  EXPECT_EQ(rows[8].age, "25");

  // In chronological order the rows run by date after the identifier and name.
  panel.SetChronological(true);
  EXPECT_EQ(Types(panel), std::vector<std::string>({"REF/AFN/Custom", "Name", "Birth", "Christening",
                                                    "Marriage", "Son", "Daughter", "Occupation", "Son",
                                                    "Daughter", "Marriage", "Son", "Death", "Burial"}));
}

TEST_F(SampleViews, FamilyTabArrowsFollowTheFileAndMarriagesCycle) {
  WFamPanelLogic panel;
  panel.SetCollection(sample.get());
  panel.SetIndividual(4);
  EXPECT_EQ(panel.Box(fbSpouseFather).Individual(), 9);
  // Thomas and Ellen have no parents in the file; nor do Jacques and Marie-Therese.
  EXPECT_FALSE(panel.ArrowVisible(fbFather));
  EXPECT_FALSE(panel.ArrowVisible(fbSpouseMother));
  EXPECT_EQ(panel.HeadingText(1), "Children (5)");
  EXPECT_EQ(panel.CellText(0, 5), "Agnes O'Rourke");
  panel.SetIndividual(12);  // Frederick: his parents have parents
  EXPECT_TRUE(panel.ArrowVisible(fbFather));

  panel.SetIndividual(1);
  EXPECT_EQ(panel.CounterLabel(), "(1 of 2)");
  panel.NextSpouse();
  EXPECT_EQ(panel.Box(fbSpouse).NameString(), "Hannah Pruett");
  EXPECT_EQ(panel.Children().size(), 1u);
}

}  // namespace
