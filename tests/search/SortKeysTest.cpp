#include <gtest/gtest.h>

#include "SearchFixture.h"
#include "search/AttribArray.h"
#include "search/AttribID.h"
#include "search/AttribIndex.h"
#include "search/AttribName.h"
#include "search/AttribStrArray.h"

namespace {

using Keys = SearchTest;

TEST_F(Keys, TextKeysFoldAccentsUpperCaseAndCutAt47) {
  EXPECT_EQ(WAttribStrArray::MakeKeyText("\xC9mile", 47), "EMILE");  // Émile
  EXPECT_EQ(WAttribStrArray::MakeKeyText("m\xFCller, J\xF6rg", 47), "MULLER, JORG");
  // ÿ folds to y; š has no base letter in the folding table and only becomes Š.
  EXPECT_EQ(WAttribStrArray::MakeKeyText("\xFF\x9A", 47), "Y\x8A");
  const std::string long_a = std::string(47, 'a') + "x";
  const std::string long_b = std::string(47, 'a') + "y";
  EXPECT_EQ(WAttribStrArray::MakeKeyText(long_a, 47), WAttribStrArray::MakeKeyText(long_b, 47));
  EXPECT_EQ(WAttribStrArray::MakeKeyText(long_a, 47).size(), 47u);
  EXPECT_EQ(WAttribStrArray::MakeKeyText("I123456789012345678901234", 23).size(), 23u);
}

TEST_F(Keys, TheFourComparisons) {
  // Text: unsigned bytes, a prefix first.
  EXPECT_LT(WAttribArray::CompareText("SMITH", "SMITHSON"), 0);
  EXPECT_GT(WAttribArray::CompareText("\xC0", "Z"), 0);
  EXPECT_EQ(WAttribArray::CompareText("A", "A"), 0);
  // Integer.
  EXPECT_LT(WAttribArray::CompareInteger(-5, 3), 0);
  EXPECT_GT(WAttribArray::CompareInteger(10, 9), 0);
  // Pair: numbers on both sides of the first colon, text order without colons.
  EXPECT_LT(WAttribArray::ComparePair("12:3", "12:10"), 0);
  EXPECT_LT(WAttribArray::ComparePair("9:50", "10:1"), 0);
  EXPECT_EQ(WAttribArray::ComparePair("7:1", "7:1"), 0);
  EXPECT_LT(WAttribArray::ComparePair("12", "9"), 0);                         // no colon: text order
  EXPECT_LT(WAttribArray::ComparePair("99999999999:1", "99999999999:2"), 0);  // no overflow
  // Identifier: shorter first, then text order.
  EXPECT_LT(WAttribArray::CompareID("I9", "I10"), 0);
  EXPECT_LT(WAttribArray::CompareID("I10", "I100"), 0);
  EXPECT_LT(WAttribArray::CompareID("I10", "I11"), 0);
  EXPECT_LT(WAttribArray::CompareID("Z1", "A12"), 0);
}

TEST_F(Keys, AttributeTextsAndDataTypes) {
  RecNo a = people_.AddPerson("John Paul", "Smith");
  people_.Person(a).name->prefix = "Dr.";
  people_.Person(a).name->suffix = "Jr.";
  people_.Person(a).id = "I7";
  people_.Person(a).reference = "REF-1";
  RecNo nameless = people_.AddNamelessPerson();
  people_.Person(nameless).id = "42";

  WAttribName surname_given(&people_, acSurnameGiven), full(&people_, acFullName);
  EXPECT_EQ(surname_given.GetText(a), "Smith, John Paul");
  EXPECT_EQ(surname_given.GetText(nameless), "");
  EXPECT_EQ(surname_given.GetText(99), "");  // not a record
  EXPECT_EQ(full.GetText(a), "Dr. John Paul /Smith/ Jr.");
  Options().SetBool(WOptions::NameSlash, false);
  Options().SetBool(WOptions::NameUpper, true);
  EXPECT_EQ(full.GetText(a), "Dr. John Paul SMITH Jr.");
  EXPECT_EQ(surname_given.GetText(a), "SMITH, John Paul");
  EXPECT_EQ(surname_given.DataType(), atText);

  WAttribIndex index(&people_);
  EXPECT_EQ(index.GetText(2), "2");
  EXPECT_EQ(index.GetValue(2), 2);
  EXPECT_EQ(index.DataType(), atInteger);

  WAttribID rin(&people_, acRIN), user(&people_, acUserID);
  EXPECT_EQ(rin.GetText(a), "I7");
  EXPECT_EQ(rin.GetValue(a), 0);  // not a number
  EXPECT_EQ(rin.GetValue(nameless), 42);
  EXPECT_EQ(user.GetText(a), "REF-1");
  EXPECT_EQ(user.DataType(), atText);
  // The identifier's type follows the reader, also when the collection changes.
  EXPECT_EQ(rin.DataType(), atInteger);
  KindCollection ged;
  ged.SetKind(FileKind::GEDCOM);
  rin.SetCollection(&ged);
  EXPECT_EQ(rin.DataType(), atIDText);
  KindCollection tmg;
  tmg.SetKind(FileKind::TMG5);
  EXPECT_EQ(WAttribID(&tmg, acRIN).DataType(), atPairText);
  EXPECT_EQ(WAttribID(&tmg, acUserID).DataType(), atText);
}

TEST_F(Keys, AccentedNamesSortWithTheirBaseLetters) {
  people_.AddPerson("Zoe", "Fournier");
  RecNo emile = people_.AddPerson("\xC9mile", "\xC9tienne");  // Émile Étienne
  people_.AddPerson("Anna", "Eaton");
  people_.AddPerson("Bob", "Ezra");
  people_.AddPerson("Carl", "Ewing");
  WColSortIterator list(&people_, 0);
  ASSERT_TRUE(list.SortByColumn(acSurnameGiven));
  EXPECT_EQ(Surnames(list), (std::vector<std::string>{"Eaton", "\xC9tienne", "Ewing", "Ezra", "Fournier"}));
  EXPECT_EQ(list.IndexOf(emile), 2);
}

TEST_F(Keys, GedcomIdentifiersSortInNumberOrder) {
  people_.SetKind(FileKind::GEDCOM);
  for (const char* id : {"I10", "I2", "I100", "I1", "I9"})
    people_.Person(people_.AddPerson("A", "B")).id = id;
  WColSortIterator list(&people_, 0);
  ASSERT_TRUE(list.SortByColumn(acRIN));
  std::vector<std::string> ids;
  for (RecNo n : Order(list)) ids.push_back(people_.Person(n).id);
  EXPECT_EQ(ids, (std::vector<std::string>{"I1", "I2", "I9", "I10", "I100"}));
}

TEST_F(Keys, NumericAndPairIdentifiers) {
  // Other readers: the identifier as a number, so 10 after 9.
  for (const char* id : {"10", "9", "100", "1"}) people_.Person(people_.AddPerson("A", "B")).id = id;
  WColSortIterator numeric(&people_, 0);
  ASSERT_TRUE(numeric.SortByColumn(acRIN));
  std::vector<std::string> ids;
  for (RecNo n : Order(numeric)) ids.push_back(people_.Person(n).id);
  EXPECT_EQ(ids, (std::vector<std::string>{"1", "9", "10", "100"}));

  KindCollection tmg;
  tmg.SetKind(FileKind::TMG5);
  for (const char* id : {"12:10", "12:3", "2:7", "12:1"}) tmg.Person(tmg.AddPerson("A", "B")).id = id;
  WColSortIterator pairs(&tmg, 0);
  ASSERT_TRUE(pairs.SortByColumn(acRIN));
  ids.clear();
  for (RecNo n : Order(pairs)) ids.push_back(tmg.Person(n).id);
  EXPECT_EQ(ids, (std::vector<std::string>{"2:7", "12:1", "12:3", "12:10"}));
}

TEST_F(Keys, KeysOfRecordsOutsideTheArrayAreEmpty) {
  people_.AddPerson("Ann", "Lee");
  WColSortIterator list(&people_, 0);
  WAttribName attribute(&people_, acSurnameGiven);
  WAttribStrArray keys(&list, WAttribStrArray::kTextKeySize, 1, &attribute);
  EXPECT_STREQ(keys.Key(1), "LEE, ANN");
  EXPECT_STREQ(keys.Key(0), "");
  EXPECT_STREQ(keys.Key(2), "");
  EXPECT_TRUE(keys.Complete());
}

}  // namespace
