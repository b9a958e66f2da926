#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "base/UIHooks.h"
#include "search/AttribName.h"
#include "search/SortIterators.h"

namespace {

class SortedLists : public SearchTest {
 protected:
  void SetUp() override {
    SearchTest::SetUp();
    // Record order differs from every sort order on purpose.
    for (auto [given, surname] : std::vector<std::pair<const char*, const char*>>{{"Zed", "Smith"},
                                                                                  {"Adam", "Jones"},
                                                                                  {"John", "Smith"},
                                                                                  {"Alice", "Smith"},
                                                                                  {"Bob", "Taylor"},
                                                                                  {"Jo", "Smith"},
                                                                                  {"Carl", "Brown"}})
      people_.AddPerson(given, surname);
  }
};

TEST_F(SortedLists, FillsInDisplayOrderOnFirstUseAndSteps) {
  WCollectionIterator list(&people_, 0);
  EXPECT_FALSE(list.IsFilled());
  EXPECT_EQ(list.Count(), 7);
  EXPECT_EQ(list.First(), 1);
  EXPECT_EQ(list.Next(), 2);
  EXPECT_EQ(list.Last(), 7);
  EXPECT_EQ(list.Next(), 0);  // past the end
  EXPECT_EQ(list.Get(0), 0);
  EXPECT_EQ(list.Get(8), 0);
  EXPECT_EQ(list.Get(3), 3);
  EXPECT_EQ(list.Prior(), 2);
}

TEST_F(SortedLists, SurnameOrderAndPrefixLanding) {
  WColSortIterator list(&people_, 0);
  ASSERT_TRUE(list.SortByColumn(acSurnameGiven));
  EXPECT_EQ(Surnames(list),
            (std::vector<std::string>{"Brown", "Jones", "Smith", "Smith", "Smith", "Smith", "Taylor"}));
  // Alice, Jo, John, Zed among the Smiths.
  EXPECT_EQ(people_.Person(list.RecordAt(3)).name->given, "Alice");
  EXPECT_EQ(people_.Person(list.RecordAt(6)).name->given, "Zed");

  EXPECT_EQ(FindBySurnameGiven(list, "smi", ""), 3);  // the first Smith
  EXPECT_EQ(FindBySurnameGiven(list, "SMITH", ""), 3);
  EXPECT_EQ(FindBySurnameGiven(list, "smz", ""), 6);      // just before where Smz would stand
  EXPECT_EQ(FindBySurnameGiven(list, "smith", "jo"), 4);  // Jo before John
  EXPECT_EQ(FindBySurnameGiven(list, "smith", "joh"), 5);
  EXPECT_EQ(FindBySurnameGiven(list, "aaa", ""), 1);  // before everything: position 1
  // Beyond every entry: the last entry, the one just before where the text would stand.
  EXPECT_EQ(FindBySurnameGiven(list, "zzz", ""), 7);
  EXPECT_EQ(FindBySurnameGiven(list, "", ""), 1);
}

TEST_F(SortedLists, WhenEveryEntryMatchesTheSearchLandsOnOne) {
  KindCollection smiths;
  for (int i = 0; i < 40; ++i) smiths.AddPerson("Given" + std::to_string(i), "Smith");
  WColSortIterator list(&smiths, 0);
  ASSERT_TRUE(list.SortByColumn(acSurnameGiven));
  EXPECT_EQ(FindBySurnameGiven(list, "sm", ""), 1);
  EXPECT_EQ(FindBySurnameGiven(list, "smith", "given3"), list.IndexOf(4));  // Given3 sorts first of 3x
}

// Typed text is folded like the sort keys (Windows-1252, accents folded, upper case) and
// compared with the keys the list is sorted by, so the search lands where the order puts
// the name: "Nunez" finds Núñez, and "rub" lands on Rüb, not on Rohr before it.
TEST_F(SortedLists, TypedTextIsFoldedLikeTheSortKeys) {
  KindCollection names;
  for (auto [given, surname] : std::vector<std::pair<const char*, const char*>>{{"Ana", "Nu\xF1o"},
                                                                                {"Jos\xE9",
                                                                                 "N\xFA\xF1"
                                                                                 "ez"},
                                                                                {"Karl", "Rohr"},
                                                                                {"Hans",
                                                                                 "R\xFC"
                                                                                 "b"},
                                                                                {"Peter", "Rubens"},
                                                                                {"Ann", "Smith"}})
    names.AddPerson(given, surname);
  WColSortIterator list(&names, 0);
  ASSERT_TRUE(list.SortByColumn(acSurnameGiven));
  // NUNEZ, NUNO, ROHR, RUB, RUBENS, SMITH
  ASSERT_EQ(list.RecordAt(1), 2);
  ASSERT_EQ(list.RecordAt(4), 4);
  for (const char* typed : {"N\xFA\xF1"
                            "ez",
                            "Nunez", "nunez",
                            "N\xDA\xD1"
                            "EZ",
                            "n\xFA"})
    EXPECT_EQ(FindBySurnameGiven(list, typed, ""), 1) << typed;
  EXPECT_EQ(FindBySurnameGiven(list,
                               "N\xFA\xF1"
                               "ez",
                               "jos\xE9"),
            1);
  EXPECT_EQ(FindBySurnameGiven(list, "Nunez", "jose"), 1);
  EXPECT_EQ(FindBySurnameGiven(list, "nu\xF1o", ""), 2);
  EXPECT_EQ(FindBySurnameGiven(list, "rub", ""), 4);
  EXPECT_EQ(FindBySurnameGiven(list,
                               "R\xDC"
                               "BE",
                               ""),
            5);
  EXPECT_EQ(FindBySurnameGiven(list, "ro", ""), 3);

  WColSortIterator by_name(&names, 0);
  ASSERT_TRUE(by_name.SortByColumn(acFullName));
  EXPECT_EQ(by_name.RecordAt(FindByFullName(by_name, "jose nunez")), 2);
  EXPECT_EQ(by_name.RecordAt(FindByFullName(by_name,
                                            "HANS R\xDC"
                                            "B")),
            4);

  // A list sorted by another column has no keys for the search: they are made on the spot.
  WColSortIterator other(&names, 0);
  ASSERT_TRUE(other.SortByColumn(acSurnameGiven));
  EXPECT_EQ(FindByFullName(other, "zzz"), 6);
  EXPECT_EQ(TypedKey("N\xFA\xF1"
                     "ez, jos\xE9"),
            "NUNEZ, JOSE");
}

TEST_F(SortedLists, FullNameAndUserIdSearches) {
  people_.Person(2).name->prefix = "Rev.";
  for (RecNo n = 1; n <= 7; ++n) people_.Person(n).reference = "R" + std::to_string(10 - n);
  WColSortIterator by_name(&people_, 0);
  ASSERT_TRUE(by_name.SortByColumn(acFullName));
  // "Adam Jones" keeps no prefix in its key, so it sorts and is found under A.
  EXPECT_EQ(by_name.RecordAt(1), 2);
  EXPECT_EQ(FindByFullName(by_name, "adam j"), 1);
  EXPECT_EQ(FindByFullName(by_name, "jo"), by_name.IndexOf(6));

  WColSortIterator by_user(&people_, 0);
  ASSERT_TRUE(by_user.SortByColumn(acUserID));
  EXPECT_EQ(by_user.RecordAt(1), 7);  // "R3"
  EXPECT_EQ(FindByUserID(by_user, "r5"), by_user.IndexOf(5));
}

TEST_F(SortedLists, PrefixSwitchedOffOnlyWhileSorting) {
  Options().SetBool(WOptions::PreSuf, true);
  people_.Person(1).name->prefix = "Aaa";
  WColSortIterator list(&people_, 0);
  ASSERT_TRUE(list.SortByColumn(acFullName));
  EXPECT_NE(list.RecordAt(1), 1);  // "Zed Smith" not under "Aaa"
  EXPECT_TRUE(Options().GetBool(WOptions::PreSuf));
  Options().SetBool(WOptions::PreSuf, false);
  WColSortIterator again(&people_, 0);
  again.SortByColumn(acFullName);
  EXPECT_FALSE(Options().GetBool(WOptions::PreSuf));
}

TEST_F(SortedLists, SortedOnceByTheFirstColumnAskedFor) {
  WColSortIterator list(&people_, 0);
  ASSERT_TRUE(list.SortByColumn(acFullName));
  const std::vector<RecNo> by_full_name = Order(list);
  list.SortByColumn(acSurnameGiven);
  EXPECT_EQ(list.SortColumn(), acFullName);
  EXPECT_EQ(Order(list), by_full_name);
  WColSortIterator other(&people_, 0);
  EXPECT_FALSE(other.SortByColumn(3));  // no such attribute
  EXPECT_FALSE(other.IsSorted());
}

TEST_F(SortedLists, ToggleReversesDirectionAndIndexOf) {
  WColSortIterator list(&people_, 0);
  WAttribName attribute(&people_, acSurnameGiven);
  ASSERT_TRUE(list.SortBy(attribute, true));
  const std::vector<RecNo> up = Order(list);
  ASSERT_TRUE(list.SortBy(attribute, true));
  EXPECT_FALSE(list.Ascending());
  std::vector<RecNo> down = Order(list);
  std::reverse(down.begin(), down.end());
  EXPECT_EQ(down, up);
  EXPECT_EQ(list.Get(1), up.back());
  for (int32_t i = 1; i <= 7; ++i) EXPECT_EQ(list.IndexOf(list.RecordAt(i)), i);
  EXPECT_EQ(list.IndexOf(0), 0);
  EXPECT_EQ(list.IndexOf(8), 0);
  // Without toggle a sorted list stays as it is.
  ASSERT_TRUE(list.SortBy(attribute, false));
  EXPECT_FALSE(list.Ascending());
}

TEST_F(SortedLists, CancelLeavesTheListUnsortedButWhole) {
  KindCollection many;
  for (int i = 0; i < 500; ++i) many.AddPerson("G", "S" + std::to_string(1000 - i));
  int yields = 0;
  SetYieldHook([&yields] {
    if (++yields == 3) ImportCancelled = true;
  });
  WColSortIterator list(&many, 0);
  EXPECT_FALSE(list.SortByColumn(acSurnameGiven));
  SetYieldHook(nullptr);
  ImportCancelled = false;
  EXPECT_FALSE(list.IsSorted());
  EXPECT_EQ(list.Count(), 500);
  // Asked again later, it sorts.
  EXPECT_TRUE(list.SortByColumn(acSurnameGiven));
  EXPECT_EQ(many.Person(list.RecordAt(1)).name->surname, "S1000");
  EXPECT_GE(yields, 3);
}

TEST_F(SortedLists, EmptyCollection) {
  KindCollection empty;
  WColSortIterator list(&empty, 0);
  EXPECT_TRUE(list.SortByColumn(acSurnameGiven));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(FindBySurnameGiven(list, "smith", ""), 0);
  EXPECT_EQ(FindByFullName(list, "x"), 0);
  EXPECT_EQ(list.IndexOf(1), 0);
  EXPECT_EQ(list.Get(1), 0);
}

TEST_F(SortedLists, HolderCreatesListsLazilyAndFreesThemWithTheFile) {
  WSortIterators holder;
  EXPECT_EQ(holder.GetSortIterator(3, true), nullptr);  // no file
  holder.SetCollection(&people_);
  WSortLists lists = holder.Lists();
  ASSERT_NE(lists.by_surname, nullptr);
  EXPECT_FALSE(lists.by_surname->IsSorted());  // lent unsorted
  EXPECT_EQ(lists.ForColumn(acSurnameGiven), lists.by_surname);
  EXPECT_EQ(lists.ForColumn(acRIN), lists.by_rin);
  EXPECT_FALSE(holder.Exists(1));
  WColSortIterator* record_order = holder.GetSortIterator(1, true);
  EXPECT_TRUE(record_order->IsSorted());
  EXPECT_EQ(Order(*record_order), (std::vector<RecNo>{1, 2, 3, 4, 5, 6, 7}));
  WColSortIterator* surname = holder.GetSortIterator(3, true);
  EXPECT_EQ(surname, lists.by_surname);
  EXPECT_EQ(surname->SortColumn(), acSurnameGiven);
  EXPECT_EQ(holder.GetSortIterator(6, true), nullptr);
  holder.SetCollection(&people_);  // the same file keeps its lists
  EXPECT_TRUE(holder.Exists(3));
  KindCollection other;
  holder.SetCollection(&other);
  for (int kind = 1; kind <= 5; ++kind) EXPECT_FALSE(holder.Exists(kind));
}

}  // namespace
