#include <chrono>
#include <vector>

#include "ModelFixture.h"
#include "model/FamLinks.h"
#include "model/IndLinks.h"
#include "model/LinkArray.h"

namespace {

using LinkTablesTest = ModelTest;

std::vector<RecNo> ParentFamilies(WIndLinks& links, RecNo ind) {
  std::vector<RecNo> list;
  for (int i = 1; i <= links.ParentFamilyCount(ind); ++i) list.push_back(links.GetParentFamily(ind, i));
  return list;
}

std::vector<RecNo> SpouseFamilies(WIndLinks& links, RecNo ind) {
  std::vector<RecNo> list;
  for (int i = 1; i <= links.SpouseFamilyCount(ind); ++i) list.push_back(links.GetSpouseFamily(ind, i));
  return list;
}

std::vector<RecNo> Children(WFamLinks& links, RecNo fam) {
  std::vector<RecNo> list;
  for (int i = 1; i <= links.ChildCount(fam); ++i) list.push_back(links.GetChild(fam, i));
  return list;
}

using Families = std::vector<RecNo>;

TEST_F(LinkTablesTest, LinkArrayChainsSpanBlocks) {
  WLinkArray array(0);
  int32_t a = 0, b = 0;
  for (int i = 1; i <= 7; ++i) {
    array.Append(a, WLinkArray::Entry{i, {i * 10, 0, 0}});
    if (i % 2) array.Append(b, WLinkArray::Entry{100 + i, {}});
  }
  EXPECT_EQ(array.ChainLength(a), 7);
  EXPECT_EQ(array.ChainLength(b), 4);
  WLinkArray::Entry entry;
  ASSERT_TRUE(array.Get(a, 7, entry));
  EXPECT_EQ(entry.rec, 7);
  EXPECT_EQ(entry.data[0], 70);
  EXPECT_FALSE(array.Get(a, 8, entry));
  EXPECT_FALSE(array.Get(a, 0, entry));
  EXPECT_FALSE(array.Get(0, 1, entry));
  EXPECT_FALSE(array.Get(999, 1, entry));
  EXPECT_EQ(array.Find(b, 105), 3);
  EXPECT_EQ(array.Find(b, 106), 0);
  array.Set(a, 5, WLinkArray::Entry{55, {}});
  EXPECT_EQ(array.Find(a, 55), 5);
  array.Set(a, 9, WLinkArray::Entry{99, {}});  // beyond the chain: ignored
  EXPECT_EQ(array.ChainLength(a), 7);
}

TEST_F(LinkTablesTest, ParentFamiliesKeepTheirRelationCodes) {
  WIndLinks links(3);
  links.AddParentFamily(1, false, false, 7, 1, 10);
  links.AddParentFamily(1, false, false, 8, 2, 20);
  links.AddParentFamily(1, false, false, 9, 3, 10);  // the first family is not touched
  links.AddParentFamily(1, false, false, 7, 1, 30);
  links.AddParentFamily(1, false, false, 11, 5, 20);  // a listed family gets the new codes
  EXPECT_EQ(ParentFamilies(links, 1), (Families{10, 20, 30}));

  RecNo family = 0;
  int mother = 0, father = 0;
  ASSERT_TRUE(links.GetParentFamilyLink(1, 1, family, mother, father));
  EXPECT_EQ(family, 10);
  EXPECT_EQ(mother, 7);
  EXPECT_EQ(father, 1);
  ASSERT_TRUE(links.GetParentFamilyLink(1, 2, family, mother, father));
  EXPECT_EQ(family, 20);
  EXPECT_EQ(mother, 11);
  EXPECT_EQ(father, 5);
  EXPECT_FALSE(links.GetParentFamilyLink(1, 4, family, mother, father));
  EXPECT_FALSE(links.GetParentFamilyLink(1, 0, family, mother, father));

  // Forced additions are entered again.
  links.AddParentFamily(2, true, false, 7, 1, 10);
  links.AddParentFamily(2, true, false, 7, 1, 20);
  links.AddParentFamily(2, true, false, 7, 1, 20);
  EXPECT_EQ(ParentFamilies(links, 2), (Families{10, 20, 20}));
}

TEST_F(LinkTablesTest, PrimaryParentFamilyMoves) {
  WIndLinks links(2);
  // Without a chain: the old first family starts the chain.
  links.AddParentFamily(1, false, false, 7, 1, 10);
  EXPECT_FALSE(links.IsPrimaryParentFixed(1));
  links.AddParentFamily(1, false, true, 8, 2, 20);
  EXPECT_TRUE(links.IsPrimaryParentFixed(1));
  EXPECT_EQ(ParentFamilies(links, 1), (Families{20, 10}));
  // With a chain: the new family is moved to the first place.
  links.AddParentFamily(1, false, true, 9, 3, 30);
  EXPECT_EQ(ParentFamilies(links, 1), (Families{30, 10, 20}));

  RecNo family = 0;
  int mother = 0, father = 0;
  links.MakePrimaryParentFamily(1, 20);
  EXPECT_EQ(ParentFamilies(links, 1), (Families{20, 10, 30}));
  ASSERT_TRUE(links.GetParentFamilyLink(1, 1, family, mother, father));
  EXPECT_EQ(mother, 8);
  EXPECT_EQ(father, 2);
  ASSERT_TRUE(links.GetParentFamilyLink(1, 3, family, mother, father));
  EXPECT_EQ(family, 30);
  EXPECT_EQ(mother, 9);
  EXPECT_EQ(father, 3);
  links.MakePrimaryParentFamily(1, 99);  // not a parent family: nothing moves
  EXPECT_EQ(ParentFamilies(links, 1), (Families{20, 10, 30}));
}

TEST_F(LinkTablesTest, SpouseFamiliesAreNeverEnteredTwiceAtTheFront) {
  WIndLinks links(1);
  links.AddSpouseFamily(1, true, false, 5);
  links.AddSpouseFamily(1, true, false, 5);
  links.AddSpouseFamily(1, false, false, 6);
  links.AddSpouseFamily(1, false, false, 6);
  EXPECT_EQ(SpouseFamilies(links, 1), (Families{5, 6}));
  links.AddSpouseFamily(1, true, false, 6);
  EXPECT_EQ(SpouseFamilies(links, 1), (Families{5, 6, 6}));
  EXPECT_FALSE(links.IsPrimarySpouseFixed(1));
  links.MakePrimarySpouseFamily(1, 6);
  EXPECT_EQ(SpouseFamilies(links, 1), (Families{6, 5, 6}));
  EXPECT_TRUE(links.IsPrimarySpouseFixed(1));
  EXPECT_TRUE(links.AreSpouseFamiliesOrdered(1));
  EXPECT_FALSE(links.IsPrimaryParentFixed(1));

  WIndLinks added(1);
  added.AddSpouseFamily(1, false, false, 5);
  added.AddSpouseFamily(1, false, true, 6);
  EXPECT_EQ(SpouseFamilies(added, 1), (Families{6, 5}));
  added.AddSpouseFamily(1, false, true, 7);
  EXPECT_EQ(SpouseFamilies(added, 1), (Families{7, 5, 6}));
  EXPECT_TRUE(added.IsPrimarySpouseFixed(1));
}

TEST_F(LinkTablesTest, OutOfRangeNumbersAreIgnored) {
  WIndLinks links(2);
  for (RecNo bad : {0, -1, 3, 1000000}) {
    links.AddParentFamily(bad, false, true, 7, 1, 4);
    links.AddSpouseFamily(bad, true, true, 4);
    links.MakePrimaryParentFamily(bad, 4);
    EXPECT_EQ(links.ParentFamilyCount(bad), 0);
    EXPECT_EQ(links.SpouseFamilyCount(bad), 0);
    EXPECT_EQ(links.GetParentFamily(bad, 1), 0);
    EXPECT_EQ(links.GetSpouseFamily(bad, 1), 0);
  }
  links.AddParentFamily(1, false, false, 7, 1, 0);  // family 0 is none
  EXPECT_EQ(links.ParentFamilyCount(1), 0);
  links.AddSpouseFamily(1, false, false, 4);
  EXPECT_EQ(links.GetSpouseFamily(1, 2), 0);
  EXPECT_EQ(links.GetSpouseFamily(1, -1), 0);

  WFamLinks fams(1);
  for (RecNo bad : {0, 2, -5}) {
    fams.SetHusband(bad, 1);
    fams.AddChild(bad, 1, 1);
    EXPECT_EQ(fams.GetHusband(bad), 0);
    EXPECT_EQ(fams.ChildCount(bad), 0);
    EXPECT_EQ(fams.GetChild(bad, 1), 0);
    fams.OrderChildren(bad, col);
  }
  EXPECT_EQ(fams.GetChild(1, 1), 0);
  EXPECT_EQ(fams.GetChildPosition(1, 1), 0);

  WIndLinks empty(0);
  EXPECT_EQ(empty.Count(), 0);
  empty.OrderSpouseFamilies(col);
}

TEST_F(LinkTablesTest, FamilyRecords) {
  WFamLinks fams(2);
  EXPECT_EQ(fams.Count(), 2);
  EXPECT_EQ(fams.AppendFamily(), 3);
  fams.SetHusband(3, 7);
  fams.SetWife(3, 8);
  fams.SetFamilyKey(3, 1234);
  EXPECT_EQ(fams.GetHusband(3), 7);
  EXPECT_EQ(fams.GetWife(3), 8);
  EXPECT_EQ(fams.GetFamilyKey(3), 1234);
  EXPECT_EQ(fams.GetHusband(2), 0);
}

TEST_F(LinkTablesTest, DuplicateChildIsCountedOnceWithTheLastPosition) {
  WFamLinks fams(1);
  fams.AddChild(1, 4, 0);
  fams.AddChild(1, 5, 1);
  fams.AddChild(1, 4, 2);
  EXPECT_EQ(fams.ChildCount(1), 2);
  EXPECT_EQ(Children(fams, 1), (Families{4, 5}));
  EXPECT_EQ(fams.GetChildPosition(1, 1), 2);
  fams.AddChild(1, 0, 3);  // child 0 is none
  EXPECT_EQ(fams.ChildCount(1), 2);
}

TEST_F(LinkTablesTest, ChildrenAreOrderedOnceByPositionWhenAsked) {
  WFamLinks fams(1);
  fams.AddChild(1, 11, 3);
  fams.AddChild(1, 12, 1);
  fams.AddChild(1, 13, 0);  // known only from the child's own record
  fams.AddChild(1, 14, 2);
  fams.AddChild(1, 15, 0);
  EXPECT_EQ(Children(fams, 1), (Families{11, 12, 13, 14, 15}));  // lazily: not yet ordered

  Options().SetBool(WOptions::SortChildren, false);
  fams.OrderChildren(1, col);
  EXPECT_EQ(Children(fams, 1), (Families{11, 12, 13, 14, 15}));

  Options().SetBool(WOptions::SortChildren, true);
  fams.OrderChildren(1, col);
  EXPECT_EQ(Children(fams, 1), (Families{13, 15, 12, 14, 11}));
  EXPECT_EQ(fams.GetChildPosition(1, 5), 0);  // positions are cleared

  // Ordered once: later calls change nothing until a child is added.
  fams.OrderChildren(1, col);
  EXPECT_EQ(Children(fams, 1), (Families{13, 15, 12, 14, 11}));
  // The exchange sort is not stable: the first place swaps with the new child.
  fams.AddChild(1, 16, -1);
  fams.OrderChildren(1, col);
  EXPECT_EQ(Children(fams, 1), (Families{16, 15, 12, 14, 11, 13}));
}

TEST_F(LinkTablesTest, OrderingHoldsAtMost500Children) {
  WFamLinks fams(1);
  for (int i = 1; i <= 600; ++i) fams.AddChild(1, i, 1000 - i);
  fams.OrderChildren(1, col);
  EXPECT_EQ(fams.ChildCount(1), 600);
  EXPECT_EQ(fams.GetChild(1, 1), 500);
  EXPECT_EQ(fams.GetChild(1, 500), 1);
  EXPECT_EQ(fams.GetChild(1, 501), 501);
  EXPECT_EQ(fams.GetChild(1, 600), 600);
}

// A placeholder family of a one-name study: far more children than any real family, added
// the way the GEDCOM reader adds them (the family's lines, then each child's own FAMC, which
// names the child again), interleaved with small families.  Adding, finding and reading them in
// order must cost time in proportion to their number.
TEST_F(LinkTablesTest, HugeFamiliesCostLinearTime) {
  constexpr int kChildren = 100000;
  const auto start = std::chrono::steady_clock::now();
  WFamLinks fams(3);
  for (int i = 1; i <= kChildren; ++i) {
    fams.AddChild(1, i, i);
    if (i % 1000 == 0) fams.AddChild(2, i, 0);
  }
  for (int i = 1; i <= kChildren; ++i) fams.AddChild(1, i, 0);  // named again: counted once
  fams.AddChild(3, 7, 1);
  // The count is 16 bits wide: the children it cannot count are not added.
  ASSERT_EQ(fams.ChildCount(1), 65535);
  EXPECT_EQ(fams.ChildCount(2), 100);
  EXPECT_EQ(fams.ChildCount(3), 1);
  long long sum = 0;
  for (int i = 1; i <= fams.ChildCount(1); ++i) {
    const RecNo child = fams.GetChild(1, i);
    ASSERT_EQ(child, i);
    sum += fams.GetChildPosition(1, i);
  }
  EXPECT_EQ(sum, 0);  // the second mention replaced every position
  // Reading out of order (backwards, then jumping about) still finds each child.
  EXPECT_EQ(fams.GetChild(1, 65535), 65535);
  EXPECT_EQ(fams.GetChild(1, 3), 3);
  EXPECT_EQ(fams.GetChild(1, 40000), 40000);
  EXPECT_EQ(fams.GetChild(1, 65536), 0);
  EXPECT_EQ(fams.GetChild(2, 100), 100000);
  // Ordering holds the first 500 and leaves the rest where they are.
  fams.AddChild(1, 10, -5);
  fams.OrderChildren(1, col);
  EXPECT_EQ(fams.GetChild(1, 1), 10);  // the exchange sort swapped the first and the tenth
  EXPECT_EQ(fams.GetChild(1, 2), 2);
  EXPECT_EQ(fams.GetChild(1, 10), 1);
  EXPECT_EQ(fams.GetChild(1, 501), 501);
  fams.AddChild(1, 1, 9);  // found at its new place after the reordering
  EXPECT_EQ(fams.ChildCount(1), 65535);
  EXPECT_EQ(fams.GetChildPosition(1, 10), 9);
  EXPECT_EQ(fams.GetChildPosition(1, 1), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(LinkTablesTest, LongChainsAppendAndFindLikeShortOnes) {
  WLinkArray links(0);
  int32_t chain = 0, other = 0;
  for (int i = 1; i <= 200; ++i) {
    WLinkArray::Entry e;
    e.rec = 1000 + (i % 150);  // every record from 1051 on appears twice
    e.data[0] = i;
    links.Append(chain, e);
    e.rec = i;
    links.Append(other, e);
  }
  EXPECT_EQ(links.ChainLength(chain), 200);
  EXPECT_EQ(links.ChainLength(other), 200);
  EXPECT_EQ(links.Find(chain, 1001), 1);
  EXPECT_EQ(links.Find(chain, 1000), 150);
  EXPECT_EQ(links.Find(chain, 1049), 49);
  EXPECT_EQ(links.Find(chain, 2000), 0);
  EXPECT_EQ(links.Find(other, 200), 200);
  WLinkArray::Entry e;
  ASSERT_TRUE(links.Get(chain, 151, e));
  EXPECT_EQ(e.rec, 1001);
  EXPECT_EQ(e.data[0], 151);
  // Overwriting an entry with another record moves what Find answers.
  e.rec = 5;
  links.Set(chain, 1, e);
  EXPECT_EQ(links.Find(chain, 5), 1);
  EXPECT_EQ(links.Find(chain, 1001), 151);
}

using SpouseOrderTest = ModelTest;

TEST_F(SpouseOrderTest, UndatedFamiliesFirstThenByDate) {
  RecNo p = col.AddPerson("P", "X", 'M');
  RecNo a = col.AddPerson("A", "A", 'F');
  RecNo b = col.AddPerson("B", "B", 'F');
  RecNo c = col.AddPerson("C", "C", 'F');
  RecNo f1 = col.AddFamily(p, a, "1 JAN 1900");
  RecNo f2 = col.AddFamily(p, b);
  RecNo f3 = col.AddFamily(p, c, "1880");
  WIndLinks links(col.IndividualCount());
  links.AddSpouseFamily(p, false, false, f1);
  links.AddSpouseFamily(p, false, false, f2);
  links.AddSpouseFamily(p, false, false, f3);
  links.OrderSpouseFamilies(col);
  EXPECT_EQ(SpouseFamilies(links, p), (Families{f2, f3, f1}));
  EXPECT_TRUE(links.AreSpouseFamiliesOrdered(p));
}

TEST_F(SpouseOrderTest, UndatedOrEqualDatesGoByTheOtherSpousesNameIgnoringCase) {
  RecNo p = col.AddPerson("P", "X", 'F');
  RecNo bob = col.AddPerson("bob", "smith", 'M');
  RecNo al = col.AddPerson("Al", "SMITH", 'M');
  RecNo cy = col.AddPerson("Cy", "Smith", 'M');
  RecNo dan = col.AddPerson("Dan", "Smith", 'M');
  RecNo f_bob = col.AddFamily(bob, p);
  RecNo f_al = col.AddFamily(al, p);
  RecNo f_dan = col.AddFamily(dan, p, "1900");
  RecNo f_cy = col.AddFamily(cy, p, "1900");
  WIndLinks links(col.IndividualCount());
  for (RecNo f : {f_bob, f_al, f_dan, f_cy}) links.AddSpouseFamily(p, false, false, f);
  links.OrderSpouseFamilies(col);
  EXPECT_EQ(SpouseFamilies(links, p), (Families{f_al, f_bob, f_cy, f_dan}));
}

TEST_F(SpouseOrderTest, OrderIsFixedOnce) {
  RecNo p = col.AddPerson("P", "X", 'M');
  RecNo a = col.AddPerson("A", "A", 'F');
  RecNo b = col.AddPerson("B", "B", 'F');
  RecNo f_dated = col.AddFamily(p, a, "1900");
  RecNo f_undated = col.AddFamily(p, b);
  WIndLinks links(col.IndividualCount());
  links.AddSpouseFamily(p, false, false, f_dated);
  links.AddSpouseFamily(p, false, false, f_undated);
  links.MakePrimarySpouseFamily(p, f_dated);
  links.OrderSpouseFamilies(col);
  EXPECT_EQ(SpouseFamilies(links, p), (Families{f_dated, f_undated}));

  // Families the collection cannot produce count as undated and nameless.
  WIndLinks other(col.IndividualCount());
  other.AddSpouseFamily(p, false, false, f_dated);
  other.AddSpouseFamily(p, false, false, 99);
  other.OrderSpouseFamilies(col);
  EXPECT_EQ(SpouseFamilies(other, p), (Families{99, f_dated}));
}

}  // namespace
