#include <gtest/gtest.h>

#include "ViewsFixture.h"
#include "views/IndScrollLogic.h"
#include "views/SelectionItems.h"

namespace {

class ScrollTest : public ViewsTest {
 protected:
  // Five people: 1 John (father of 3), 2 Mary (mother of 3), 3 Anna, 4 Carl, 5 Eve.
  void SetUp() override {
    ViewsTest::SetUp();
    john = col.AddPerson("John", "Smith", 'M');
    mary = col.AddPerson("Mary", "Jones", 'F');
    anna = col.AddPerson("Anna", "Smith", 'F');
    carl = col.AddPerson("Carl", "Brown", 'M');
    eve = col.AddPerson("Eve", "Brown", 'F');
    col.AddEvent(anna, evBirth, "3 MAR 1925", "Boston");
    parents = col.AddFamily(john, mary, "1 JUN 1924");
    col.AddChild(parents, anna);
    scroll.OnChange = [this] { ++changes; };
  }

  RecNo john = 0, mary = 0, anna = 0, carl = 0, eve = 0, parents = 0;
  WIndScrollLogic scroll;
  int changes = 0;
};

TEST_F(ScrollTest, ResetShowsTheFirstIndividualWithCaptionHintsAndButtons) {
  scroll.SetCollection(&col);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(scroll.ScrollEnabled());
  EXPECT_EQ(scroll.ScrollMax(), 5);
  EXPECT_EQ(scroll.CurrentIndividual(), john);
  // Unknown birth: both separators stay, with nothing between or after them.
  EXPECT_EQ(scroll.Caption(), " 1 - John Smith, , ");
  EXPECT_EQ(scroll.CaptionHint(), col.GetIndividualSummary(john));
  EXPECT_FALSE(scroll.FatherEnabled());
  EXPECT_FALSE(scroll.MotherEnabled());
  EXPECT_TRUE(scroll.SpouseEnabled());
  EXPECT_FALSE(scroll.CanGoBack());

  scroll.GoToIndividual(anna);
  EXPECT_EQ(scroll.Caption(), " 3 - Anna Smith, 3 Mar 1925, Boston");
  EXPECT_TRUE(scroll.FatherEnabled());
  EXPECT_EQ(scroll.FatherHint(), "John Smith");
  EXPECT_TRUE(scroll.MotherEnabled());
  EXPECT_EQ(scroll.MotherHint(), "Mary Jones");
  EXPECT_FALSE(scroll.SpouseEnabled());

  // Setting the same collection again changes nothing.
  scroll.SetCollection(&col);
  EXPECT_EQ(scroll.CurrentIndividual(), anna);
}

TEST_F(ScrollTest, PageStepIsAHundredthOfTheIndividuals) {
  for (int i = 0; i < 300; ++i) col.AddPerson("P", std::to_string(i));
  scroll.SetCollection(&col);
  EXPECT_EQ(scroll.ScrollPageStep(), 3);
}

TEST_F(ScrollTest, BackTwiceForwardOnceEndsOnTheMiddleStep) {
  scroll.SetCollection(&col);
  scroll.GoToIndividual(carl);
  scroll.GoToIndividual(eve);
  changes = 0;
  scroll.GoBack();
  EXPECT_EQ(scroll.CurrentIndividual(), carl);
  scroll.GoBack();
  EXPECT_EQ(scroll.CurrentIndividual(), john);
  EXPECT_FALSE(scroll.CanGoBack());
  scroll.GoForward();
  EXPECT_EQ(scroll.CurrentIndividual(), carl);
  EXPECT_TRUE(scroll.CanGoBack());
  EXPECT_TRUE(scroll.CanGoForward());
  EXPECT_EQ(changes, 3);  // one announcement per step
  scroll.GoForward();
  EXPECT_EQ(scroll.CurrentIndividual(), eve);
  EXPECT_FALSE(scroll.CanGoForward());
  scroll.GoBack();
  scroll.GoBack();
  EXPECT_EQ(scroll.CurrentIndividual(), john);
  // Nothing further back: stays.
  scroll.GoBack();
  EXPECT_EQ(scroll.CurrentIndividual(), john);
}

TEST_F(ScrollTest, ScrollingEmptiesTheForwardHistoryButJumpsDoNot) {
  scroll.SetCollection(&col);
  scroll.GoToIndividual(carl);
  scroll.GoToIndividual(eve);
  scroll.GoBack();
  ASSERT_TRUE(scroll.CanGoForward());
  scroll.GoToIndividual(anna);
  EXPECT_TRUE(scroll.CanGoForward());
  scroll.GoToFather();
  EXPECT_EQ(scroll.CurrentIndividual(), john);
  EXPECT_TRUE(scroll.CanGoForward());
  // The change is announced once, with the forward history already gone, so a window
  // that enables Forward on the announcement disables it.
  bool forward_at_change = true;
  changes = 0;
  scroll.OnChange = [&] {
    ++changes;
    forward_at_change = scroll.CanGoForward();
  };
  scroll.UserScroll(2, false);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(forward_at_change);
  EXPECT_EQ(scroll.CurrentIndividual(), mary);
  EXPECT_FALSE(scroll.CanGoForward());
  scroll.GoBack();
  EXPECT_EQ(scroll.CurrentIndividual(), john);
}

TEST_F(ScrollTest, DraggingTheThumbRecordsOneStepOnRelease) {
  scroll.SetCollection(&col);
  changes = 0;
  scroll.UserScroll(2, true);
  scroll.UserScroll(4, true);
  EXPECT_EQ(scroll.CurrentIndividual(), carl);  // the strip follows the thumb
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(scroll.CanGoBack());
  scroll.UserScroll(4, false);
  EXPECT_EQ(scroll.BackHistory(), std::vector<RecNo>({john}));
  // Positions outside the range stay inside it.
  scroll.UserScroll(99, false);
  EXPECT_EQ(scroll.CurrentIndividual(), eve);
  scroll.GoBack();
  EXPECT_EQ(scroll.CurrentIndividual(), carl);
}

TEST_F(ScrollTest, IgnoresImpossibleTargetsAndAnEmptyCollection) {
  scroll.SetCollection(&col);
  scroll.GoToIndividual(0);
  scroll.GoToIndividual(-3);
  EXPECT_EQ(scroll.CurrentIndividual(), john);
  EXPECT_FALSE(scroll.CanGoBack());

  MemCollection empty;
  scroll.SetCollection(&empty);
  EXPECT_FALSE(scroll.ScrollEnabled());
  EXPECT_EQ(scroll.Caption(), " 1 - John Smith, , ");  // left as it was
  EXPECT_EQ(scroll.CurrentIndividual(), 0);
  scroll.GoToFather();
  scroll.GoToMother();
  scroll.BuildSpouseMenu();
  EXPECT_TRUE(scroll.JumpList().empty());
  EXPECT_EQ(scroll.CurrentIndividual(), 0);
  EXPECT_FALSE(scroll.CanGoBack());

  scroll.SetCollection(nullptr);
  EXPECT_EQ(scroll.Caption(), "");
  EXPECT_FALSE(scroll.ScrollEnabled());
  EXPECT_FALSE(scroll.FatherEnabled());
  EXPECT_FALSE(scroll.SpouseEnabled());
  scroll.GoToIndividual(2);
  EXPECT_EQ(scroll.CurrentIndividual(), 0);
}

TEST_F(ScrollTest, SpouseMenuListsEachFamilyWithItsChildren) {
  // Carl: a family with Eve and two children (one of them with a child), then a family
  // without a known wife and one child without a birth year.
  RecNo kid1 = col.AddPerson("Kid", "One", 'M');
  RecNo kid2 = col.AddPerson("Kid", "Two", 'F');
  RecNo kid3 = col.AddPerson("Kid", "Three", 'M');
  RecNo grandchild = col.AddPerson("Grand", "Child", 'M');
  col.AddEvent(kid1, evBirth, "1950");
  col.AddEvent(kid2, evBirth, "12 MAY 1952");
  RecNo first = col.AddFamily(carl, eve);
  col.AddChild(first, kid1);
  col.AddChild(first, kid2);
  RecNo second = col.AddFamily(carl, 0);
  col.AddChild(second, kid3);
  RecNo kid2_family = col.AddFamily(0, kid2);
  col.AddChild(kid2_family, grandchild);

  scroll.SetCollection(&col);
  scroll.GoToIndividual(carl);
  EXPECT_TRUE(scroll.SpouseEnabled());
  scroll.BuildSpouseMenu();
  const WSelectionItems& menu = scroll.SpouseMenu();
  ASSERT_EQ(menu.Count(), 5);
  EXPECT_EQ(menu.Item(0), "Spouse: Eve Brown");
  EXPECT_EQ(menu.Item(1), "      1950 Kid One");
  EXPECT_EQ(menu.Item(2), "   < 1952 Kid Two");
  EXPECT_EQ(menu.Item(3), "Spouse: <No Given Name>");
  EXPECT_EQ(menu.Item(4), "   " + std::string(3 + 8, ' ') + "Kid Three ");  // last ";" became a space
  EXPECT_EQ(scroll.JumpList(), std::vector<RecNo>({eve, kid1, kid2, 0, kid3}));
  EXPECT_GE(col.Family(first).order_children_calls, 1);

  // Choosing the unknown spouse does nothing; choosing a child goes there.
  scroll.ChooseSpouseMenuItem(3);
  EXPECT_EQ(scroll.CurrentIndividual(), carl);
  scroll.ChooseSpouseMenuItem(2);
  EXPECT_EQ(scroll.CurrentIndividual(), kid2);
  EXPECT_EQ(scroll.SpouseMenu().ItemSelected(), 3);
  scroll.ChooseSpouseMenuItem(17);
  EXPECT_EQ(scroll.CurrentIndividual(), kid2);
}

TEST(SelectionItemsTest, SplitsAtSemicolonsKeepsEmptiesAndStopsAt51) {
  WSelectionItems items;
  items.SetItemString("a;;-;b");
  ASSERT_EQ(items.Count(), 4);
  EXPECT_EQ(items.Item(1), "");
  EXPECT_TRUE(items.IsSeparator(2));
  int raised = 0;
  items.OnItemChange = [&] { ++raised; };
  items.Choose(2);  // a separator
  EXPECT_EQ(raised, 0);
  items.SetUpdateCaption(true);
  items.Choose(3);
  EXPECT_EQ(items.ItemSelected(), 3);  // the separator does not count
  EXPECT_EQ(items.Caption(), "b");
  EXPECT_EQ(raised, 1);

  std::string many;
  for (int i = 1; i <= 60; ++i) many += std::to_string(i) + (i < 60 ? ";" : "");
  items.SetItemString(many);
  ASSERT_EQ(items.Count(), WSelectionItems::kMaxItems);
  EXPECT_EQ(items.Item(50), "51");
  EXPECT_EQ(items.ItemString(), many);
}

}  // namespace
