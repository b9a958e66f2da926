#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "views/QuickFindLogic.h"

namespace {

class QuickFind : public SearchTest {
 protected:
  void SetUp() override {
    SearchTest::SetUp();
    for (int i = 1; i <= 250; ++i) people_.AddPerson("G" + std::to_string(i), "S");
    RecNo family = people_.AddFamily(1, 2);
    people_.AddChild(family, 3);
    people_.AddChild(family, 4);
    people_.AddFamily(3, 0);
  }
};

TEST_F(QuickFind, TypingNumbers) {
  WQuickFindLogic find(&people_);
  EXPECT_EQ(find.PageStep(), 2);
  EXPECT_EQ(find.ScrollMax(), 250);
  find.SetSelected(3);
  EXPECT_TRUE(find.ControlsEnabled());
  EXPECT_EQ(find.SearchText(), "3");
  EXPECT_EQ(find.Box().Individual(), 3);
  EXPECT_TRUE(find.FatherEnabled());
  EXPECT_TRUE(find.MotherEnabled());
  EXPECT_TRUE(find.SpouseEnabled());

  find.TextEdited("0");  // 0 disables OK and the rest
  EXPECT_FALSE(find.ControlsEnabled());
  EXPECT_FALSE(find.SelectedVisible());
  find.TextEdited("17");
  EXPECT_TRUE(find.ControlsEnabled());
  EXPECT_EQ(find.Selected(), 17);
  EXPECT_EQ(find.ScrollPosition(), 17);
  EXPECT_FALSE(find.FatherEnabled());
  EXPECT_FALSE(find.SpouseEnabled());
  find.TextEdited("251");  // above the count: disabled, the previous person stays
  EXPECT_FALSE(find.ControlsEnabled());
  EXPECT_EQ(find.Selected(), 17);
  EXPECT_EQ(find.Box().Individual(), 17);
  find.TextEdited("");
  EXPECT_FALSE(find.ControlsEnabled());

  EXPECT_TRUE(WQuickFindLogic::AcceptsKey('7'));
  EXPECT_TRUE(WQuickFindLogic::AcceptsKey('\b'));
  EXPECT_FALSE(WQuickFindLogic::AcceptsKey('a'));
  EXPECT_FALSE(WQuickFindLogic::AcceptsKey('-'));
}

TEST_F(QuickFind, KeysStepWithinTheLimits) {
  WQuickFindLogic find(&people_);
  find.TextEdited("");
  find.KeyDown();  // empty: downward does nothing
  EXPECT_EQ(find.SearchText(), "");
  find.KeyUp();  // empty: Up selects 1
  EXPECT_EQ(find.Selected(), 1);
  find.KeyDown();  // 1: nothing
  EXPECT_EQ(find.Selected(), 1);
  find.KeyPageUp();
  EXPECT_EQ(find.Selected(), 3);
  find.KeyPageDown();
  find.KeyPageDown();  // would reach -1: nothing
  EXPECT_EQ(find.Selected(), 1);
  find.TextEdited("249");
  find.KeyPageUp();  // capped at the count
  EXPECT_EQ(find.Selected(), 250);
  find.KeyUp();
  EXPECT_EQ(find.Selected(), 250);
  find.TextEdited("");
  find.KeyPageUp();
  EXPECT_EQ(find.Selected(), 1);
  find.TextEdited("999");
  find.KeyDown();  // from above the count down: lands on the last
  EXPECT_EQ(find.Selected(), 250);
  EXPECT_TRUE(find.ControlsEnabled());
}

TEST_F(QuickFind, RelativesAndTheSpouseMenu) {
  WQuickFindLogic find(&people_);
  find.SetSelected(3);
  find.PressFather();
  EXPECT_EQ(find.Selected(), 1);
  EXPECT_EQ(find.ScrollPosition(), 1);
  const int ordered_before = people_.Family(1).order_children_calls;
  find.BuildSpouseMenu();
  EXPECT_EQ(people_.Family(1).order_children_calls, ordered_before);  // this menu keeps the stored order
  ASSERT_EQ(find.JumpList(), (std::vector<RecNo>{2, 3, 4}));
  EXPECT_EQ(find.SpouseMenu().Item(0), "Spouse: " + people_.GetIndividualDisplayName(2));
  EXPECT_EQ(find.SpouseMenu().Item(1), std::string(14, ' ') + people_.GetIndividualDisplayName(3));
  find.ChooseSpouseMenuItem(2);
  EXPECT_EQ(find.Selected(), 4);
  find.PressMother();
  EXPECT_EQ(find.Selected(), 2);
  find.Scroll(100);
  EXPECT_EQ(find.Selected(), 100);
  EXPECT_EQ(find.SearchText(), "100");
  find.Scroll(0);
  EXPECT_EQ(find.Selected(), 100);
  find.AdvancedFindChose(42);
  EXPECT_EQ(find.Selected(), 42);
}

TEST_F(QuickFind, NoIndividuals) {
  KindCollection empty;
  WQuickFindLogic find(&empty);
  find.SetSelected(1);
  EXPECT_FALSE(find.ControlsEnabled());
  find.KeyUp();
  find.KeyPageUp();
  find.TextEdited("1");
  EXPECT_EQ(find.Selected(), 0);
  EXPECT_FALSE(find.ControlsEnabled());
  find.BuildSpouseMenu();
  EXPECT_TRUE(find.JumpList().empty());
}

}  // namespace
