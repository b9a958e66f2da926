#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "search/SortIterators.h"
#include "views/FindDlgLogic.h"

namespace {

class AdvancedFind : public SearchTest {
 protected:
  void SetUp() override {
    SearchTest::SetUp();
    people_.SetKind(FileKind::GEDCOM);
    struct P {
      const char *given, *surname, *ref;
    };
    for (P p : std::initializer_list<P>{{"Zed", "Smith", "U9"},
                                        {"Adam", "Jones", "U2"},
                                        {"John", "Smith", "U5"},
                                        {"Alice", "Smith", "U1"},
                                        {"Bob", "Taylor", "U7"},
                                        {"Jo", "Smith", "U3"},
                                        {"Carl", "Brown", "U4"},
                                        {"", "Smithers", ""}}) {
      RecNo n = people_.AddPerson(p.given, p.surname);
      people_.Person(n).id = "I" + std::to_string(n);
      people_.Person(n).reference = p.ref;
    }
    for (int i = 9; i <= 12; ++i)
      people_.Person(people_.AddPerson("Kid" + std::to_string(i), "Jones")).id = "I" + std::to_string(i);
    // Adam Jones (2) and Alice Smith (4) with two children; Jo Smith (6) has Zed (1) as father.
    RecNo family = people_.AddFamily(2, 4, "1900", "Boston");
    people_.AddChild(family, 9);
    people_.AddChild(family, 10);
    people_.AddEvent(9, evBirth, "3 MAR 1901", "Salem");
    RecNo other = people_.AddFamily(1, 0);
    people_.AddChild(other, 6);
    people_.AddFamily(9, 0);  // Kid9 is married: a spouse item without spouse
    people_.AddChild(people_.Person(9).spouse_families[0], 11);
    holder_.SetCollection(&people_);
  }

  std::unique_ptr<WFindDlgLogic> Open(int mode, RecNo selected) {
    Options().SetInt(WOptions::FindDlg, mode);
    auto find = std::make_unique<WFindDlgLogic>(&people_, holder_.Lists());
    find->OnSortBegin = [this] { ++sorts_; };
    find->SetSelected(selected);
    find->Show();
    return find;
  }
  RecNo SelectedRecord(const WFindDlgLogic& find) { return find.CurrentList()->RecordAt(find.CurrentRow()); }

  WSortIterators holder_;
  int sorts_ = 0;
};

TEST_F(AdvancedFind, ShowsInTheStoredModeOnTheSelectedPerson) {
  auto find = Open(WFindDlgLogic::fmSurname, 4);
  EXPECT_EQ(sorts_, 1);
  EXPECT_TRUE(holder_.Lists().by_surname->IsSorted());
  EXPECT_FALSE(holder_.Lists().by_full_name->IsSorted());  // only the mode's list is sorted
  EXPECT_EQ(SelectedRecord(*find), 4);
  EXPECT_EQ(find->SearchText(), "Smith, Alice");
  EXPECT_EQ(find->SelectedBox().Individual(), 4);
  EXPECT_EQ(find->FatherBox().Individual(), 0);
  EXPECT_EQ(WFindDlgLogic::BoxBackground(find->FatherBox()), kColorSilver);
  EXPECT_EQ(WFindDlgLogic::BoxBackground(find->SelectedBox()), kColorWhite);
  EXPECT_EQ(find->RowCount(), 13);
  EXPECT_EQ(find->CountLabel(), "12 Individuals");
  EXPECT_EQ(find->RadioCaption(WFindDlgLogic::fmRIN), "REF");
  EXPECT_EQ(find->RadioCaption(WFindDlgLogic::fmCustom), "User");
  // A second dialog on the same file does not sort again.
  auto again = Open(WFindDlgLogic::fmSurname, 1);
  EXPECT_EQ(sorts_, 1);
  // A stored mode out of range falls back to Surname, Name.
  auto odd = Open(9, 1);
  EXPECT_EQ(odd->GetMode(), WFindDlgLogic::fmSurname);
}

TEST_F(AdvancedFind, TypingSurnameCommaGiven) {
  auto find = Open(WFindDlgLogic::fmSurname, 7);
  find->TextChanged("smith, jo");
  EXPECT_EQ(SelectedRecord(*find), 6);         // Jo Smith, the first SMITH with given names JO...
  EXPECT_EQ(find->SearchText(), "smith, jo");  // what is typed is not overwritten
  find->TextChanged("smith, joh");
  EXPECT_EQ(SelectedRecord(*find), 3);
  find->TextChanged("smi");
  EXPECT_EQ(SelectedRecord(*find), 4);  // Alice, the first Smith
  find->TextChanged("  taylor  ");
  EXPECT_EQ(SelectedRecord(*find), 5);
  find->TextChanged("");  // empty: nothing happens
  EXPECT_EQ(SelectedRecord(*find), 5);
  find->TextChanged("1234");  // digits land before every letter
  EXPECT_EQ(find->CurrentRow(), 1);
}

TEST_F(AdvancedFind, IndexModeCapsAtTheCount) {
  auto find = Open(WFindDlgLogic::fmIndex, 2);
  EXPECT_EQ(find->CurrentRow(), 2);
  EXPECT_EQ(find->SearchText(), "2");
  find->TextChanged("5");
  EXPECT_EQ(SelectedRecord(*find), 5);
  find->TextChanged("999999999999");
  EXPECT_EQ(find->CurrentRow(), 12);
  find->TextChanged("abc");  // not a number: nothing
  EXPECT_EQ(find->CurrentRow(), 12);
  find->TextChanged("0");
  EXPECT_EQ(find->CurrentRow(), 12);
}

TEST_F(AdvancedFind, RinModeFormsGedcomIdentifiers) {
  auto find = Open(WFindDlgLogic::fmRIN, 1);
  find->TextChanged("12");
  EXPECT_EQ(SelectedRecord(*find), 12);
  find->TextChanged("I3");  // already has its letter
  EXPECT_EQ(SelectedRecord(*find), 3);
  find->TextChanged("77");  // unknown: stays
  EXPECT_EQ(SelectedRecord(*find), 3);
  // Other readers look the text up as typed.
  KindCollection paf;
  paf.SetKind(FileKind::PAF);
  paf.Person(paf.AddPerson("A", "B")).id = "1";
  paf.Person(paf.AddPerson("C", "D")).id = "2";
  WSortIterators holder;
  holder.SetCollection(&paf);
  WFindDlgLogic other(&paf, holder.Lists());
  other.SetSelected(1);
  other.ShowInMode(WFindDlgLogic::fmRIN);
  EXPECT_EQ(other.RadioCaption(WFindDlgLogic::fmRIN), "RIN");
  other.TextChanged("2");
  EXPECT_EQ(other.CurrentList()->RecordAt(other.CurrentRow()), 2);
}

TEST_F(AdvancedFind, SwitchingModesKeepsThePersonAndSetsHeadings) {
  auto find = Open(WFindDlgLogic::fmCustom, 3);
  EXPECT_EQ(find->CellText(0, 1), "User ID");
  EXPECT_EQ(find->SearchText(), "U5");
  EXPECT_EQ(find->CellText(1, 1), "");  // Smithers has no reference: sorts first
  find->TextChanged("u4");
  EXPECT_EQ(SelectedRecord(*find), 7);
  find->SetMode(WFindDlgLogic::fmSurname);
  EXPECT_EQ(Options().GetInt(WOptions::FindDlg), WFindDlgLogic::fmSurname);
  EXPECT_EQ(find->CellText(0, 1), "REF");
  EXPECT_EQ(SelectedRecord(*find), 7);
  EXPECT_EQ(find->SearchText(), "Brown, Carl");
  EXPECT_EQ(find->CellText(find->CurrentRow(), 2), "Brown, Carl");
  find->SetMode(WFindDlgLogic::fmName);
  EXPECT_EQ(find->SearchText(), "Carl Brown");
  EXPECT_EQ(find->CellText(find->CurrentRow(), 0), "7");
  EXPECT_EQ(find->CellText(find->CurrentRow(), 1), "I7");
  EXPECT_EQ(find->CellText(find->CurrentRow(), 2), "Carl Brown");
  EXPECT_EQ(find->CellText(0, 3), "Birth/[Chr]");
}

TEST_F(AdvancedFind, BoxesMarriagesAndNavigation) {
  auto find = Open(WFindDlgLogic::fmIndex, 9);
  EXPECT_EQ(find->FatherBox().Individual(), 2);
  EXPECT_EQ(find->MotherBox().Individual(), 4);
  EXPECT_EQ(find->MarriagesLabel(), "Marriages (1)");
  ASSERT_EQ(find->MarriageItems().size(), 2u);
  EXPECT_EQ(find->MarriageItems()[0].Text(), "Spouse: <Not Entered>");
  EXPECT_EQ(find->MarriageItems()[1].individual, 11);
  EXPECT_EQ(find->CellText(9, 3), "3 Mar 1901");

  find->DoubleClickFather();
  EXPECT_EQ(SelectedRecord(*find), 2);
  EXPECT_EQ(find->SearchText(), "2");
  ASSERT_EQ(find->MarriageItems().size(), 3u);
  EXPECT_EQ(find->MarriageItems()[0].Text(), "Spouse: Alice /Smith/");
  EXPECT_TRUE(find->MarriageItems()[1].has_children);
  EXPECT_EQ(find->MarriageItems()[1].birth_year, 1901);
  EXPECT_GT(people_.Family(1).order_children_calls, 0);
  find->DoubleClickMarriageItem(2);
  EXPECT_EQ(SelectedRecord(*find), 10);
  EXPECT_EQ(find->MarriagesLabel(), "Marriages (0)");
  EXPECT_TRUE(find->MarriageItems().empty());
  find->DoubleClickMarriageItem(5);  // no such item
  EXPECT_EQ(SelectedRecord(*find), 10);

  // Up and Down stay within the grid.
  find->KeyDown();
  find->KeyDown();
  find->KeyDown();
  EXPECT_EQ(find->CurrentRow(), 12);
  for (int i = 0; i < 20; ++i) find->KeyUp();
  EXPECT_EQ(find->CurrentRow(), 1);
}

TEST_F(AdvancedFind, OkAndTheSearchButtonWithoutAutoSearch) {
  Options().SetBool(WOptions::AutoSearch, false);
  auto find = Open(WFindDlgLogic::fmSurname, 1);
  EXPECT_TRUE(find->SearchButtonVisible());
  EXPECT_FALSE(find->SearchButtonEnabled());
  find->TextChanged("brown");
  EXPECT_EQ(SelectedRecord(*find), 1);  // typing alone does not search
  EXPECT_TRUE(find->SearchButtonEnabled());
  EXPECT_TRUE(find->SearchCaptionRed());
  EXPECT_FALSE(find->PressOK());  // runs the search, stays open
  EXPECT_EQ(SelectedRecord(*find), 7);
  EXPECT_FALSE(find->SearchCaptionRed());
  EXPECT_TRUE(find->PressOK());
  EXPECT_EQ(find->Selected(), 7);

  find->TextChanged("jones");
  find->PressSearch();
  EXPECT_EQ(SelectedRecord(*find), 2);
  find->DoubleClickRow(find->CurrentRow() + 1);
  EXPECT_EQ(find->Selected(), find->CurrentList()->RecordAt(find->CurrentRow()));
}

TEST_F(AdvancedFind, EmptyCollectionDoesNothing) {
  KindCollection empty;
  WSortIterators holder;
  holder.SetCollection(&empty);
  WFindDlgLogic find(&empty, holder.Lists());
  find.SetSelected(1);
  find.Show();
  EXPECT_EQ(find.CurrentRow(), 0);
  find.TextChanged("smith");
  find.KeyDown();
  find.KeyUp();
  EXPECT_EQ(find.CurrentRow(), 0);
  EXPECT_EQ(find.RowCount(), 1);
  EXPECT_TRUE(find.PressOK());
  EXPECT_EQ(find.CellText(1, 2), "");
}

}  // namespace
