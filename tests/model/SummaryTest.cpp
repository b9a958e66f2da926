#include "ModelFixture.h"
#include "model/ABSIndividual.h"
#include "model/ABSLDSEvent.h"

namespace {

class SummaryTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    Options().SetBool(WOptions::FNValueFlag, false);
  }
};

TEST_F(SummaryTest, FatherAndMotherComeFromTheFirstParentFamily) {
  RecNo dad = col.AddPerson("Dad", "X", 'M');
  RecNo mum = col.AddPerson("Mum", "Y", 'F');
  RecNo child = col.AddPerson("Kid", "X");
  RecNo mother_only = col.AddFamily(0, mum);
  RecNo both = col.AddFamily(dad, mum);
  col.AddChild(mother_only, child);
  col.AddChild(both, child);

  EXPECT_EQ(col.GetFatherOf(child), 0);  // not taken from the second family
  EXPECT_EQ(col.GetMotherOf(child), mum);
  EXPECT_EQ(col.GetFatherOf(0), 0);
  EXPECT_EQ(col.GetFatherOf(dad), 0);
  EXPECT_EQ(col.GetMotherOf(99), 0);

  // A parent family number that leads nowhere gives none.
  col.Person(dad).parent_families.push_back(MemParentLink{42, 7, 1});
  EXPECT_EQ(col.GetFatherOf(dad), 0);
}

TEST_F(SummaryTest, HasChildrenLooksAtEverySpouseFamily) {
  RecNo a = col.AddPerson("A", "X", 'M');
  RecNo b = col.AddPerson("B", "Y", 'F');
  RecNo c = col.AddPerson("C", "Z", 'F');
  col.AddFamily(a, b);
  RecNo second = col.AddFamily(a, c);
  EXPECT_FALSE(col.HasChildren(a));
  col.AddChild(second, col.AddPerson("K", "X"));
  EXPECT_TRUE(col.HasChildren(a));
  EXPECT_TRUE(col.HasChildren(c));
  EXPECT_FALSE(col.HasChildren(b));
  EXPECT_FALSE(col.HasChildren(0));
  col.Person(b).spouse_families.push_back(77);
  EXPECT_FALSE(col.HasChildren(b));
}

TEST_F(SummaryTest, SpouseSealings) {
  RecNo a = col.AddPerson("A", "X", 'M');
  RecNo first = col.AddFamily(a, 0);
  RecNo second = col.AddFamily(a, 0);
  (void)first;
  EXPECT_FALSE(col.HasSpouseSealing(a, 0));
  MemEventData sealing;
  sealing.kind = evSealingToParents;
  sealing.date = "1 JAN 1990";
  col.Family(second).sealings.push_back(sealing);

  EXPECT_TRUE(col.HasSpouseSealing(a, 0));
  EXPECT_TRUE(col.HasSpouseSealing(a, 5));  // out of range: every family
  EXPECT_TRUE(col.HasSpouseSealing(a, 2));
  EXPECT_FALSE(col.HasSpouseSealing(a, 1));

  auto found = col.GetSpouseSealing(a, 2, 1);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->GetDateText(), "1 Jan 1990");
  EXPECT_FALSE(col.GetSpouseSealing(a, 1, 1));
  EXPECT_FALSE(col.GetSpouseSealing(a, 2, 2));
  EXPECT_FALSE(col.GetSpouseSealing(a, 3, 1));
  EXPECT_FALSE(col.GetSpouseSealing(a, 0, 1));
  EXPECT_FALSE(col.GetSpouseSealing(0, 1, 1));
}

TEST_F(SummaryTest, SummaryWithoutSpousesEndsAtTheMotherLine) {
  RecNo rec = col.AddPerson("John", "Smith", 'M');
  col.AddEvent(rec, evBirth, "1 JAN 1900", "Boston");
  col.AddEvent(rec, evDeath, "1 JAN 1950");
  EXPECT_EQ(col.GetIndividualSummary(rec),
            "Name :John /Smith/\r\n"
            "Sex    :M\r\n"
            "Birth   :1 Jan 1900, Boston\r\n"
            "Chr     :\r\n"
            "Death :1 Jan 1950, \r\n"
            "Bur     :\r\n"
            "Age     :49\r\n"
            "Father :\r\n"
            "Mother :");
  EXPECT_EQ(col.GetIndividualSummary(0), "");
  EXPECT_EQ(col.GetIndividualSummary(2), "");
}

TEST_F(SummaryTest, SummaryListsSpousesAndChildren) {
  Options().SetBool(WOptions::FNValueFlag, true);
  Options().SetInt(WOptions::FNValue, 2);
  RecNo dad = col.AddPerson("Dad", "Smith", 'M');    // 1
  RecNo mum = col.AddPerson("Mum", "Jones", 'F');    // 2
  RecNo john = col.AddPerson("John", "Smith", 'M');  // 3
  RecNo mary = col.AddPerson("Mary", "Brown", 'F');  // 4
  RecNo kid1 = col.AddPerson("Ann", "Smith", 'F');   // 5
  RecNo kid2 = col.AddPerson("Bob", "Smith", 'M');   // 6
  RecNo grandkid = col.AddPerson("Cy", "Smith");     // 7
  col.AddChild(col.AddFamily(dad, mum), john);
  RecNo fam = col.AddFamily(john, mary, "5 JUN 1925", "Leeds");
  col.AddEvent(kid1, evBirth, "1926");
  col.AddChild(fam, kid1);
  col.AddChild(fam, kid2);
  col.Family(fam).children.push_back(0);  // an empty slot is skipped
  col.AddChild(col.AddFamily(kid2, 0), grandkid);
  RecNo alone = col.AddFamily(john, 0);
  col.AddEvent(john, evBirth, "1950");

  EXPECT_EQ(col.GetIndividualSummary(john),
            "Name :John /Smith/ (3)\r\n"
            "Sex    :M\r\n"
            "Birth   :1950, \r\n"
            "Chr     :\r\n"
            "Death :\r\n"
            "Bur     :\r\n"
            "Age     :~" +
                std::to_string(ThisYear() - 1950) +
                "?\r\n"
                "Father :Dad /Smith/ (1)\r\n"
                "Mother :Mum /Jones/ (2)\r\n"
                "Spouse: Mary /Brown/ (4)\r\n"
                "   Mar. Date: 5 Jun 1925, Leeds\r\n"
                "      1926 Ann /Smith/ (5)\r\n"
                "   <         Bob /Smith/ (6)\r\n"
                "Spouse: <No Given Name>\r\n"
                "   Mar. Date: , ");
  EXPECT_EQ(col.Family(fam).order_children_calls, 1);
  EXPECT_EQ(col.Family(alone).order_children_calls, 1);
}

}  // namespace
