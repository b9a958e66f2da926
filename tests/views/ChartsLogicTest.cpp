// The pedigree and the descendants list built from the model: numbers and order, and the
// awkward shapes real files have (no parents, loops in the parent links, the same ancestor
// on two branches, a child in two families, a family without a husband).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ViewsFixture.h"
#include "views/DescendantsLogic.h"
#include "views/PedigreeLogic.h"

namespace {

class ChartsTest : public ViewsTest {
 protected:
  // A couple with a family; returns the family.
  RecNo Couple(RecNo husband, RecNo wife, const std::string& date = "", const std::string& place = "") {
    return col.AddFamily(husband, wife, date, place);
  }
  RecNo Person(const std::string& given, char sex = 'U') { return col.AddPerson(given, "X", sex); }

  // "number:given" for each pedigree entry.
  std::vector<std::string> Numbers(const WPedigreeLogic& p) {
    std::vector<std::string> out;
    for (const PedigreeEntry& e : p.Entries())
      out.push_back(std::to_string(e.number) + ":" + col.Person(e.individual).name->given);
    return out;
  }
  // "generation kind given" for each descendants row, with "->row" for a reference.
  std::vector<std::string> Lines(const WDescendantsLogic& d) {
    std::vector<std::string> out;
    for (const DescendantRow& r : d.Rows()) {
      std::string line =
          std::to_string(r.generation) + (r.spouse ? " S " : " P ") + col.Person(r.individual).name->given;
      if (r.first_row >= 0) line += "->" + std::to_string(r.first_row);
      out.push_back(line);
    }
    return out;
  }
};

using Strings = std::vector<std::string>;

TEST_F(ChartsTest, PedigreeNumbersAncestorsAndStopsAtTheGenerationLimit) {
  RecNo me = Person("Me"), dad = Person("Dad", 'M'), mum = Person("Mum", 'F');
  RecNo gf = Person("Gf", 'M'), gm = Person("Gm", 'F'), ggm = Person("Ggm", 'F');
  col.AddChild(Couple(dad, mum, "1 JUN 1920", "York"), me);
  col.AddChild(Couple(0, gm), mum);  // a family with no husband: only number 7
  col.AddChild(Couple(gf, 0), dad);
  col.AddChild(Couple(0, ggm), gf);
  col.AddEvent(me, evBirth, "2 FEB 1921", "Leeds");

  WPedigreeLogic p;
  p.SetCollection(&col);
  p.SetGenerations(3);
  p.SetIndividual(me);
  EXPECT_EQ(Numbers(p), (Strings{"1:Me", "2:Dad", "3:Mum", "4:Gf", "7:Gm"}));
  EXPECT_EQ(p.Entries()[0].birth_date, "2 Feb 1921");
  EXPECT_EQ(p.Entries()[0].box.BirthString(), "2 Feb 1921, Leeds");
  EXPECT_EQ(p.Entries()[0].parents_marriage, "1 Jun 1920, York");
  EXPECT_EQ(p.Find(6), nullptr);
  EXPECT_EQ(p.Entries()[3].generation, 3);

  p.SetGenerations(4);
  p.Refresh();
  EXPECT_EQ(Numbers(p).back(), "9:Ggm");

  // A person without parents is a pedigree of one; nobody at all is an empty one.
  p.SetIndividual(gm);
  EXPECT_EQ(Numbers(p), (Strings{"1:Gm"}));
  p.SetIndividual(0);
  EXPECT_TRUE(p.Entries().empty());
  EXPECT_EQ(p.Selected(), 0u);
}

TEST_F(ChartsTest, PedigreeStopsAtAPersonWhoIsTheirOwnAncestorAndShowsCollapseTwice) {
  // A loop: a's father is b, b's father is a.
  RecNo a = Person("A", 'M'), b = Person("B", 'M');
  col.AddChild(Couple(b, 0), a);
  col.AddChild(Couple(a, 0), b);
  WPedigreeLogic p;
  p.SetCollection(&col);
  p.SetGenerations(WPedigreeLogic::kMaxGenerations);
  p.SetIndividual(a);
  EXPECT_EQ(Numbers(p), (Strings{"1:A", "2:B"}));

  // Cousins marry: their child has the same great-grandparents on both sides.
  RecNo old = Person("Old", 'M'), s1 = Person("S1", 'M'), s2 = Person("S2", 'F');
  RecNo c1 = Person("C1", 'M'), c2 = Person("C2", 'F'), kid = Person("Kid");
  RecNo f = Couple(old, 0);
  col.AddChild(f, s1);
  col.AddChild(f, s2);
  col.AddChild(Couple(s1, 0), c1);
  col.AddChild(Couple(0, s2), c2);
  col.AddChild(Couple(c1, c2), kid);
  p.SetIndividual(kid);
  EXPECT_EQ(Numbers(p), (Strings{"1:Kid", "2:C1", "3:C2", "4:S1", "7:S2", "8:Old", "14:Old"}));
  EXPECT_EQ(p.Find(8)->first_number, 0u);
  EXPECT_EQ(p.Find(14)->first_number, 8u);
}

TEST_F(ChartsTest, PedigreeKeyboardMovesBetweenBoxesAndEnterAsksForThePerson) {
  RecNo me = Person("Me"), dad = Person("Dad", 'M'), mum = Person("Mum", 'F'), gm = Person("Gm", 'F');
  col.AddChild(Couple(dad, mum), me);
  col.AddChild(Couple(0, gm), dad);
  WPedigreeLogic p;
  p.SetCollection(&col);
  std::vector<RecNo> asked;
  p.OnIndexChange = [&] { asked.push_back(p.RequestedIndividual()); };
  p.SetIndividual(me);
  EXPECT_EQ(p.Selected(), 1u);
  EXPECT_TRUE(p.MoveSelection(WPedigreeLogic::kToFather));
  EXPECT_EQ(p.Selected(), 2u);
  // No father of Dad: the father move falls back to the mother, number 5.
  EXPECT_TRUE(p.MoveSelection(WPedigreeLogic::kToFather));
  EXPECT_EQ(p.Selected(), 5u);
  EXPECT_FALSE(p.MoveSelection(WPedigreeLogic::kUp));  // alone in generation 3
  EXPECT_TRUE(p.MoveSelection(WPedigreeLogic::kToChild));
  EXPECT_TRUE(p.MoveSelection(WPedigreeLogic::kDown));
  EXPECT_EQ(p.Selected(), 3u);
  EXPECT_FALSE(p.MoveSelection(WPedigreeLogic::kDown));
  EXPECT_FALSE(p.MoveSelection(WPedigreeLogic::kToMother));  // Mum has no parents
  p.Activate();
  EXPECT_TRUE(p.MoveSelection(WPedigreeLogic::kToPerson));
  EXPECT_FALSE(p.Select(6));
  p.Activate(5);
  EXPECT_EQ(asked, (std::vector<RecNo>{mum, gm}));
}

TEST_F(ChartsTest, DescendantsListSpousesThenTheirChildrenInFamilyAndSpouseOrder) {
  RecNo me = Person("Me", 'M'), w1 = Person("W1", 'F'), w2 = Person("W2", 'F');
  RecNo k1 = Person("K1"), k2 = Person("K2"), k3 = Person("K3"), gk = Person("Gk"), ks = Person("Ks");
  RecNo f1 = Couple(me, w1, "1900", "York");
  col.AddChild(f1, k1);
  col.AddChild(f1, k2);
  RecNo f2 = Couple(me, w2);
  col.AddChild(f2, k3);
  col.AddChild(Couple(k1, ks), gk);
  // A family of my own without a partner: its child comes without a spouse line.
  RecNo alone = Person("Alone");
  col.AddChild(Couple(me, 0), alone);

  WDescendantsLogic d;
  d.SetCollection(&col);
  d.SetIndividual(me);
  EXPECT_EQ(Lines(d), (Strings{"1 P Me", "1 S W1", "2 P K1", "2 S Ks", "3 P Gk", "2 P K2", "1 S W2", "2 P K3",
                               "2 P Alone"}));
  EXPECT_EQ(d.Texts(1).marriage_date, "1900");
  EXPECT_EQ(d.Texts(1).marriage_place, "York");
  EXPECT_EQ(d.Texts(2).marriage_date, "");
  EXPECT_EQ(d.Rows()[7].family, f2);

  // The lines: K1 (level 1) has later siblings under Me; Gk (level 2) is the last under K1,
  // while the line at level 1 goes on to K2.
  EXPECT_EQ(d.Rows()[2].continues, uint64_t{0b10});
  EXPECT_EQ(d.Rows()[4].continues, uint64_t{0b10});
  EXPECT_EQ(d.Rows()[8].continues, uint64_t{0});
  EXPECT_EQ(d.Rows()[0].continues, uint64_t{0});

  d.SetGenerationLimit(1);
  d.Refresh();
  EXPECT_EQ(Lines(d), (Strings{"1 P Me", "1 S W1", "1 S W2"}));
}

TEST_F(ChartsTest, DescendantsMetAgainAreReferencedOnceAndLoopsStopEvenWithRepeats) {
  // K is a child of both of my families; K's own child follows only the first time.
  RecNo me = Person("Me", 'M'), w1 = Person("W1", 'F'), w2 = Person("W2", 'F'), k = Person("K"),
        gk = Person("Gk");
  RecNo f1 = Couple(me, w1), f2 = Couple(me, w2);
  col.AddChild(f1, k);
  col.AddChild(f2, k);
  col.AddChild(Couple(k, 0), gk);
  WDescendantsLogic d;
  d.SetCollection(&col);
  d.SetIndividual(me);
  EXPECT_EQ(Lines(d), (Strings{"1 P Me", "1 S W1", "2 P K", "3 P Gk", "1 S W2", "2 P K->2"}));
  d.SetRepeatDuplicates(true);
  d.Refresh();
  EXPECT_EQ(Lines(d), (Strings{"1 P Me", "1 S W1", "2 P K", "3 P Gk", "1 S W2", "2 P K", "3 P Gk"}));

  // A loop: Gk is also the father of Me.  With repeats on the line still stops at Me.
  col.AddChild(Couple(gk, 0), me);
  d.Refresh();
  EXPECT_EQ(Lines(d).size(), 9u);
  EXPECT_EQ(Lines(d)[4], "4 P Me->0");
  d.SetRepeatDuplicates(false);
  d.SetIndividual(me);
  EXPECT_EQ(Lines(d)[4], "4 P Me->0");

  // A spouse who is also a descendant: the spouse line refers to the first place.
  RecNo a = Person("A", 'M'), c = Person("C", 'F');
  RecNo fa = Couple(a, 0);
  col.AddChild(fa, c);
  col.AddFamily(a, c);
  d.SetIndividual(a);
  EXPECT_EQ(Lines(d), (Strings{"1 P A", "2 P C", "2 S A->0", "1 S C->1"}));
}

TEST_F(ChartsTest, DescendantsOfNobodyAndOfAnUnknownNumberAreEmpty) {
  Person("Only");
  WDescendantsLogic d;
  d.SetCollection(&col);
  d.SetIndividual(7);
  EXPECT_EQ(d.RowCount(), 0);
  EXPECT_EQ(d.Texts(0).name, "");
  d.SetIndividual(1);
  EXPECT_EQ(Lines(d), (Strings{"1 P Only"}));
  d.Activate(5);  // out of range: nothing asked
  EXPECT_EQ(d.RequestedIndividual(), 0);
}

}  // namespace

namespace {

TEST(DescendantColumns, TheSettingNamesColumnsInItsOrderAndUnknownNumbersAreLeftOut) {
  std::vector<std::string> captions;
  for (const DescendantColumn& c : WDescendantColumns::Parse("65,67,19,59,60")) captions.push_back(c.caption);
  EXPECT_EQ(captions,
            (std::vector<std::string>{"Birth", "Birth Place", "Death", "Marriage", "Marriage Place"}));
  captions.clear();
  for (const DescendantColumn& c : WDescendantColumns::Parse("19, 99,x,,65,19,18"))
    captions.push_back(c.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Death", "Birth", "Death Place"}));
  EXPECT_TRUE(WDescendantColumns::Parse("").empty());
  DescendantTexts t;
  t.marriage_place = "York";
  EXPECT_EQ(WDescendantColumns::Cell(t, 60), "York");
  EXPECT_EQ(WDescendantColumns::Cell(t, 99), "");
}

}  // namespace

#include "views/Reports.h"

namespace {

TEST_F(ChartsTest, FamilyGroupSheetPutsTheMotherOfAFamilyWithoutHusbandOnTheWifeSide) {
  RecNo mum = Person("Mum", 'F'), kid = Person("Kid", 'M'), kid_wife = Person("Kw", 'F'),
        gm = Person("Gm", 'F');
  col.AddEvent(mum, evBirth, "1900", "York");
  col.AddEvent(kid, evDeath, "1990", "Leeds");
  RecNo f = Couple(0, mum, "1925", "Hull");
  col.AddChild(f, kid);
  col.AddFamily(kid, kid_wife);
  col.AddChild(Couple(0, gm), mum);
  const WReport report = WReports::FamilyGroup(col, mum, 1);
  const std::string text = report.PlainText();
  EXPECT_NE(text.find("Husband: \n"), std::string::npos) << text;
  EXPECT_NE(text.find("Wife: Mum X\nEvent\tDate\tPlace\nBirth\t1900\tYork\nFather\t\t\nMother\t\tGm X\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Marriage\nDate\tPlace\n1925\tHull\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Children (1)\nName\tSex\tBirth\tDeath\tSpouse\nKid X\tM\t\t1990, Leeds\tKw X\n"),
            std::string::npos)
      << text;

  // Without a marriage the person stands alone on the side of her sex.
  const std::string alone = WReports::FamilyGroup(col, gm, 0).PlainText();
  EXPECT_NE(alone.find("Wife: Gm X"), std::string::npos);
  EXPECT_EQ(alone.find("Marriage"), std::string::npos);
}

TEST_F(ChartsTest, DescendantsReportIndentsByLevelAndIndividualReportHasNotesOnlyWhenAsked) {
  RecNo me = Person("Me", 'M'), w = Person("W", 'F'), k = Person("K");
  col.AddChild(Couple(me, w, "1950"), k);
  col.AddEvent(k, evBirth, "1951");
  col.Person(me).note = {"A note"};
  WDescendantsLogic d;
  d.SetCollection(&col);
  d.SetIndividual(me);
  const WReport report = WReports::Descendants(col, d, "65,59");
  ASSERT_EQ(report.blocks.size(), 1u);
  EXPECT_EQ(report.title, "Descendants of Me X");
  EXPECT_EQ(report.blocks[0].headings, (std::vector<std::string>{"Name", "Birth", "Marriage"}));
  EXPECT_EQ(report.blocks[0].rows[1], (std::vector<std::string>{"+ W X", "", "1950"}));
  EXPECT_EQ(report.blocks[0].rows[2], (std::vector<std::string>{"2 K X", "1951", ""}));
  EXPECT_EQ(report.blocks[0].indents, (std::vector<int>{0, 1, 1}));

  EXPECT_NE(WReports::Individual(col, me, true, false, false, false).PlainText().find("A note"),
            std::string::npos);
  EXPECT_EQ(WReports::Individual(col, me, false, false, false, false).PlainText().find("A note"),
            std::string::npos);
}

}  // namespace

#include "support/BrokenCollection.h"

namespace {

// A record that cannot be read ends its own line and nothing else.
TEST(ChartsDamage, UnreadablePeopleAndFamiliesLeaveTheRestOfTheCharts) {
  Options().ResetToDefaults();
  Options().SetBool(WOptions::NameSlash, false);
  Options().SetBool(WOptions::FNValueFlag, false);
  BrokenCollection col;
  RecNo me = col.AddPerson("Me", "X", 'M'), w1 = col.AddPerson("W1", "X", 'F'), w2 = col.AddPerson("W2", "X", 'F');
  RecNo bad = col.AddPerson("Bad", "X"), good = col.AddPerson("Good", "X"), gk = col.AddPerson("Gk", "X");
  RecNo f1 = col.AddFamily(me, w1);
  col.AddChild(f1, bad);
  col.AddChild(f1, good);
  col.AddChild(col.AddFamily(bad, 0), gk);
  RecNo f2 = col.AddFamily(me, w2);
  col.AddChild(f2, col.AddPerson("Lost", "X"));
  col.broken = bad;
  col.broken_family = f2;

  WDescendantsLogic d;
  d.SetCollection(&col);
  d.SetIndividual(me);
  ASSERT_EQ(d.RowCount(), 4);  // Me, W1, Bad (not followed), Good; the second family is lost
  EXPECT_EQ(d.Rows()[2].individual, bad);
  EXPECT_EQ(d.Texts(2).name, "");
  EXPECT_EQ(d.Rows()[3].individual, good);

  WPedigreeLogic p;
  p.SetCollection(&col);
  p.SetIndividual(gk);  // Gk's father cannot be read: he stands in his box without parents
  ASSERT_EQ(p.Entries().size(), 2u);
  EXPECT_TRUE(p.Entries()[1].box.IsEmpty());
  p.SetIndividual(bad);
  EXPECT_EQ(p.Entries().size(), 1u);
  Options().ResetToDefaults();
}

}  // namespace
