#include <gtest/gtest.h>

#include "ViewsFixture.h"
#include "base/Errors.h"
#include "model/ABSMarriage.h"
#include "support/BrokenCollection.h"
#include "views/FamPanelLogic.h"

namespace {

class FamPanelTest : public ViewsTest {
 protected:
  void SetUp() override {
    ViewsTest::SetUp();
    panel.SetCollection(&col);
    panel.OnIndexChange = [this] { requests.push_back(panel.RequestedIndividual()); };
  }

  // A child of `family` with birth and christening dates (empty = none).
  RecNo Child(RecNo family, const std::string& given, char sex, const std::string& birth = "",
              const std::string& christening = "") {
    RecNo child = col.AddPerson(given, "Kid", sex);
    if (!birth.empty()) col.AddEvent(child, evBirth, birth);
    if (!christening.empty()) col.AddEvent(child, evChristening, christening);
    col.AddChild(family, child);
    return child;
  }

  WFamPanelLogic panel;
  std::vector<RecNo> requests;
};

TEST_F(FamPanelTest, BoxesShowThePersonParentsSpouseAndSpouseParents) {
  RecNo p = col.AddPerson("John", "Smith", 'M');
  RecNo dad = col.AddPerson("Dad", "Smith", 'M');
  RecNo wife = col.AddPerson("Mary", "Jones", 'F');
  RecNo wife_mum = col.AddPerson("Ma", "Jones", 'F');
  RecNo grandpa = col.AddPerson("Grandpa", "Smith", 'M');
  col.AddEvent(p, evBirth, "1 JAN 1900", "Boston");
  col.AddEvent(p, evBurial, "1960", "Salem");
  col.AddEvent(wife, evChristening, "", "Leeds");
  col.AddChild(col.AddFamily(dad, 0), p);
  col.AddChild(col.AddFamily(0, wife_mum), wife);
  col.AddChild(col.AddFamily(grandpa, 0), dad);
  RecNo family = col.AddFamily(p, wife, "1 JUN 1924", "York");

  panel.SetIndividual(p);
  EXPECT_EQ(panel.Box(fbActive).Individual(), p);
  EXPECT_EQ(panel.Box(fbActive).NameString(), "John Smith");
  EXPECT_EQ(panel.Box(fbActive).BirthString(), "1 Jan 1900, Boston");
  EXPECT_EQ(panel.Box(fbActive).DeathString(), "[1960, Salem]");
  EXPECT_EQ(panel.Box(fbFather).Individual(), dad);
  EXPECT_TRUE(panel.Box(fbMother).IsEmpty());
  EXPECT_EQ(panel.Box(fbSpouse).Individual(), wife);
  EXPECT_EQ(panel.Box(fbSpouse).BirthString(), "[Leeds]");
  EXPECT_TRUE(panel.Box(fbSpouseFather).IsEmpty());
  EXPECT_EQ(panel.Box(fbSpouseMother).Individual(), wife_mum);
  EXPECT_EQ(panel.MarriageLabel(), "1 Jun 1924, York");
  EXPECT_EQ(panel.CounterLabel(), "");
  EXPECT_FALSE(panel.NextSpouseVisible());

  // Arrows only where one can go further up.
  EXPECT_TRUE(panel.ArrowVisible(fbFather));
  EXPECT_FALSE(panel.ArrowVisible(fbMother));
  EXPECT_FALSE(panel.ArrowVisible(fbSpouseMother));

  panel.SetFamBirChr(false);
  EXPECT_EQ(panel.Box(fbActive).DeathString(), "");
  panel.SetShowIndHint(true);
  EXPECT_EQ(panel.Box(fbSpouse).Hint(), col.GetIndividualSummary(wife));

  panel.ActivateArrow(fbFather);
  panel.ActivateArrow(fbMother);  // hidden: nothing
  panel.ActivateBox(fbSpouseMother);
  panel.ActivateBox(fbSpouseFather);  // empty: nothing
  EXPECT_EQ(requests, std::vector<RecNo>({dad, wife_mum}));
  (void)family;
}

TEST_F(FamPanelTest, LdsLettersFromOrdinancesAndAnySpouseSealing) {
  RecNo p = col.AddPerson("John", "Smith", 'M');
  col.AddEvent(p, evLDSBaptism, "1910");
  col.AddEvent(p, evSealingToParents, "1911");
  RecNo second = col.AddFamily(p, 0);
  col.AddFamily(p, 0);
  col.Family(second).sealings.push_back(MemEventData{});
  panel.SetUseLDS(true);
  panel.SetIndividual(p);
  const WIndInfoBox& box = panel.Box(fbActive);
  EXPECT_TRUE(box.UseLDS());
  EXPECT_TRUE(box.LDSBap());
  EXPECT_FALSE(box.LDSEnd());
  EXPECT_TRUE(box.LDSSP());
  EXPECT_TRUE(box.LDSSS());
}

TEST_F(FamPanelTest, ThreeMarriagesCycleWithTheCounter) {
  RecNo p = col.AddPerson("John", "Smith", 'M');
  RecNo w1 = col.AddPerson("Ann", "One", 'F');
  RecNo w2 = col.AddPerson("Beth", "Two", 'F');
  RecNo f1 = col.AddFamily(p, w1);
  col.AddFamily(p, w2);
  col.AddFamily(p, 0, "1950");
  for (int i = 0; i < 5; ++i) Child(f1, "C" + std::to_string(i), 'M');

  panel.SetIndividual(p);
  EXPECT_EQ(panel.CounterLabel(), "(1 of 3)");
  EXPECT_TRUE(panel.NextSpouseVisible());
  EXPECT_EQ(panel.Box(fbSpouse).Individual(), w1);
  EXPECT_EQ(panel.Children().size(), 5u);
  EXPECT_EQ(panel.HeadingText(1), "Children (5)");
  EXPECT_EQ(col.Family(f1).order_children_calls, 1);

  panel.NextSpouse();
  EXPECT_EQ(panel.CounterLabel(), "(2 of 3)");
  EXPECT_EQ(panel.Box(fbSpouse).Individual(), w2);
  EXPECT_TRUE(panel.Children().empty());
  EXPECT_EQ(panel.CellText(2, 1), "");
  panel.NextSpouse();
  EXPECT_EQ(panel.CounterLabel(), "(3 of 3)");
  EXPECT_TRUE(panel.Box(fbSpouse).IsEmpty());
  EXPECT_EQ(panel.MarriageLabel(), "1950");
  panel.NextSpouse();
  EXPECT_EQ(panel.CounterLabel(), "(1 of 3)");

  // A new individual starts again at the first marriage.
  panel.NextSpouse();
  panel.SetIndividual(p);
  EXPECT_EQ(panel.CurrentMarriage(), 1);
}

TEST_F(FamPanelTest, NoMarriagesGiveAnEmptySpouseAndGrid) {
  RecNo p = col.AddPerson("John", "Smith", 'M');
  panel.SetIndividual(p);
  EXPECT_TRUE(panel.Box(fbSpouse).IsEmpty());
  EXPECT_TRUE(panel.Children().empty());
  EXPECT_EQ(panel.HeadingText(1), "Children (0)");
  EXPECT_EQ(panel.MarriageLabel(), "");
  EXPECT_EQ(panel.CounterLabel(), "");
  EXPECT_EQ(panel.GridRowCount(), WFamPanelLogic::kInitialGridRows);

  panel.SetIndividual(0);
  EXPECT_TRUE(panel.Box(fbActive).IsEmpty());
  panel.SetIndividual(57);  // beyond the individuals
  EXPECT_TRUE(panel.Box(fbActive).IsEmpty());
}

TEST_F(FamPanelTest, ChildrenGridColumns) {
  RecNo p = col.AddPerson("John", "Smith", 'M');
  RecNo family = col.AddFamily(p, 0);
  RecNo christened = Child(family, "Chris", 'F', "", "2 FEB 1930");
  RecNo lone_parent = Child(family, "Lone", 'M', "1931");
  RecNo married_twice = Child(family, "Twice", 'M');
  RecNo buried = Child(family, "Bur", 'U');
  col.AddEvent(buried, evBurial, "1990");
  // Lone's first family has a child but no other spouse.
  Child(col.AddFamily(lone_parent, 0), "Grand", 'M');
  RecNo first_wife = col.AddPerson("Ann", "One", 'F');
  RecNo first = col.AddFamily(married_twice, first_wife);
  Child(first, "Grand2", 'F');
  col.AddFamily(married_twice, col.AddPerson("Beth", "Two", 'F'));

  panel.SetIndividual(p);
  ASSERT_EQ(panel.Children().size(), 4u);
  EXPECT_EQ(panel.CellText(0, 1), "Chris Kid");
  EXPECT_EQ(panel.CellText(0, 2), "F");
  EXPECT_EQ(panel.CellText(0, 3), "[2 Feb 1930]");
  EXPECT_EQ(panel.CellText(1, 3), "1931");
  EXPECT_EQ(panel.CellText(1, 5), "");
  EXPECT_EQ(panel.Children()[1].spouse_family_count, 0);
  EXPECT_EQ(panel.CellText(2, 0), "+");
  EXPECT_EQ(panel.CellText(2, 5), "(1 of 2) Ann One");
  EXPECT_EQ(panel.CellText(3, 4), "[1990]");
  EXPECT_EQ(panel.CellText(3, 2), "U");

  panel.ActivateCell(2, 1);
  panel.ActivateCell(2, 5);
  panel.ActivateCell(1, 5);  // no spouse
  panel.ActivateCell(2, 3);  // other columns do nothing
  panel.ActivateCell(9, 1);
  EXPECT_EQ(requests, std::vector<RecNo>({married_twice, first_wife}));

  panel.SetFamBirChr(false);
  EXPECT_EQ(panel.CellText(0, 3), "");
  EXPECT_EQ(panel.CellText(3, 4), "");
  (void)christened;
}

TEST_F(FamPanelTest, GridShrinksToTheSmallerFamilyButKeepsItsRows) {
  RecNo p = col.AddPerson("John", "Smith", 'M');
  RecNo big = col.AddFamily(p, 0);
  RecNo small = col.AddFamily(p, 0);
  for (int i = 0; i < 40; ++i) Child(big, "B" + std::to_string(i), 'M');
  Child(small, "S1", 'F');
  Child(small, "S2", 'F');
  panel.SetIndividual(p);
  EXPECT_EQ(panel.GridRowCount(), 41);
  panel.NextSpouse();
  EXPECT_EQ(panel.Children().size(), 2u);
  EXPECT_EQ(panel.CellText(1, 1), "S2 Kid");
  for (int row = 2; row < 5; ++row) EXPECT_EQ(panel.CellText(row, 1), "");
  EXPECT_EQ(panel.GridRowCount(), 41);
  EXPECT_EQ(panel.HeadingText(1), "Children (2)");
}

// A child whose own marriage cannot be read shows without a spouse, and the children after
// it are still listed.
TEST_F(FamPanelTest, AnUnreadableMarriageOfAChildKeepsTheOtherChildren) {
  BrokenCollection broken;
  RecNo p = broken.AddPerson("John", "Smith", 'M');
  RecNo family = broken.AddFamily(p, 0);
  RecNo first = broken.AddPerson("First", "Smith", 'M');
  RecNo second = broken.AddPerson("Second", "Smith", 'F');
  broken.AddChild(family, first);
  broken.AddChild(family, second);
  broken.broken_family = broken.AddFamily(first, broken.AddPerson("Wife", "Jones", 'F'));
  panel.SetCollection(&broken);
  ASSERT_NO_THROW(panel.SetIndividual(p));
  EXPECT_TRUE(broken.MetDamage());
  ASSERT_EQ(panel.Children().size(), 2u);
  EXPECT_EQ(panel.Children()[0].first_spouse, 0);
  EXPECT_EQ(panel.CellText(0, 5), "");
  EXPECT_EQ(panel.Children()[1].child, second);
}

}  // namespace
