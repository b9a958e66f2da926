#include <gtest/gtest.h>

#include "ViewsFixture.h"
#include "base/Errors.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"
#include "support/BrokenCollection.h"
#include "views/IndPanelLogic.h"

namespace {

class IndPanelTest : public ViewsTest {
 protected:
  void SetUp() override {
    ViewsTest::SetUp();
    panel.SetCollection(&col);
    panel.OnIndexChange = [this] { requests.push_back(panel.RequestedIndividual()); };
  }

  // The type column of every row.
  std::vector<std::string> Types() const {
    std::vector<std::string> types;
    for (const IndInfoRec& row : panel.Rows()) types.push_back(row.type);
    return types;
  }
  const IndInfoRec* FindRow(const std::string& type) const {
    for (const IndInfoRec& row : panel.Rows()) {
      if (row.type == type) return &row;
    }
    return nullptr;
  }

  WIndPanelLogic panel;
  std::vector<RecNo> requests;
};

TEST_F(IndPanelTest, FixedLayoutKeepsEmptyVitalRowsChronologicalOrderDropsThem) {
  RecNo p = col.AddPerson("John", "Smith", 'M');
  panel.SetIndividual(p);
  EXPECT_EQ(Types(),
            std::vector<std::string>({"RIN/AFN/Custom", "Name", "Birth", "Christening", "Death", "Burial"}));
  EXPECT_EQ(panel.Rows()[1].information, "John Smith");
  EXPECT_EQ(panel.Rows()[1].individual, p);

  panel.SetUseLDS(true);
  panel.Rebuild();
  EXPECT_EQ(panel.Rows().size(), 9u);
  EXPECT_EQ(panel.Rows()[8].type, "LDS SP");

  panel.SetChronological(true);
  EXPECT_TRUE(panel.Chronological());
  EXPECT_EQ(Types(), std::vector<std::string>({"RIN/AFN/Custom", "Name"}));
  // The grid has the rows built and the heading, no stale rows of the longer layout.
  EXPECT_EQ(panel.GridRowCount(), 3);
}

TEST_F(IndPanelTest, IdentifierRowDependsOnTheFileKind) {
  KindCollection ged(FileKind::GEDCOM);
  RecNo p = ged.AddPerson("A", "B");
  ged.Person(p).afn = "AFN1";
  ged.Person(p).reference = "R7";
  ged.Person(p).note = {"about", "him"};
  panel.SetCollection(&ged);
  panel.SetIndividual(p);
  EXPECT_EQ(panel.Rows()[0].type, "REF/AFN/Custom");
  EXPECT_EQ(panel.Rows()[0].information, "I1 / AFN1 / R7");
  EXPECT_EQ(panel.Rows()[0].note, "about\r\nhim");
  EXPECT_FALSE(panel.TMGSentenceVisible());

  KindCollection legacy(FileKind::Legacy);
  legacy.AddPerson("A", "B");
  panel.SetCollection(&legacy);
  panel.SetIndividual(1);
  EXPECT_EQ(panel.Rows()[0].type, "RIN/AFN/User ID");

  KindCollection tmg(FileKind::TMG4);
  panel.SetCollection(&tmg);
  EXPECT_TRUE(panel.TMGSentenceVisible());
}

TEST_F(IndPanelTest, AgesCountFromBirthOrInBracketsFromChristening) {
  RecNo father = col.AddPerson("Old", "Smith", 'M');
  RecNo p = col.AddPerson("John", "Smith", 'M');
  col.AddEvent(father, evBirth, "1 JAN 1870");
  col.AddEvent(p, evBirth, "1 JAN 1900", "Boston");
  col.AddEvent(p, evDeath, "1 FEB 1950").description = "fever";
  MemEventData& same_day = col.AddEvent(p, evOther, "1 JAN 1900", "Boston");
  same_day.type_name = "Census";
  col.AddEvent(p, evOther, "ABT 1898").type_name = "Residence";
  RecNo family = col.AddFamily(father, 0);
  col.AddChild(family, p);

  panel.SetIndividual(p);
  const IndInfoRec* birth = FindRow("Birth");
  ASSERT_NE(birth, nullptr);
  EXPECT_EQ(birth->date, "1 Jan 1900");
  EXPECT_EQ(birth->information, "Boston");
  EXPECT_EQ(birth->age, "-----");
  EXPECT_EQ(FindRow("Death")->age, "50");
  EXPECT_EQ(FindRow("Death")->information, "fever");
  EXPECT_EQ(FindRow("Census")->age, "-----");
  EXPECT_EQ(FindRow("Residence")->age, "-2");
  const IndInfoRec* parent = FindRow("Father");
  ASSERT_NE(parent, nullptr);
  EXPECT_EQ(parent->age, "-30");
  EXPECT_EQ(parent->individual, father);

  // Without a dated birth the christening is the reference, and ages are bracketed.
  col.Person(p).events.erase(col.Person(p).events.begin());
  col.AddEvent(p, evBirth, "", "Boston");
  col.AddEvent(p, evChristening, "1 JAN 1925");
  panel.Rebuild();
  EXPECT_EQ(FindRow("Death")->age, "[25]");
  EXPECT_EQ(FindRow("Christening")->age, "[-----]");
  EXPECT_EQ(FindRow("Birth")->age, "");

  // Neither: no ages at all.
  col.Person(p).events.pop_back();
  panel.Rebuild();
  EXPECT_EQ(FindRow("Death")->age, "");
  EXPECT_EQ(FindRow("Father")->age, "");
}

// Ages are completed years, as people count birthdays: one less before the anniversary,
// the full year on it, a missing month or day never counting as before.
TEST_F(IndPanelTest, AgesAreCompletedYears) {
  RecNo p = col.AddPerson("Thomas", "Marwick", 'M');
  col.AddEvent(p, evBirth, "3 FEB 1821");
  col.AddEvent(p, evDeath, "28 NOV 1889");
  auto other = [&](const std::string& type, const std::string& date) {
    col.AddEvent(p, evOther, date).type_name = type;
  };
  other("Day before 82nd", "2 FEB 1903");
  other("82nd birthday", "3 FEB 1903");
  other("Month only", "FEB 1850");
  other("Month before", "JAN 1850");
  other("Year only", "1850");
  other("Months later", "1 MAY 1821");
  other("Months earlier", "1 NOV 1820");
  RecNo older = col.AddPerson("Older", "Marwick", 'M');
  RecNo exact = col.AddPerson("Exact", "Marwick", 'F');
  col.AddEvent(older, evBirth, "3 OCT 1790");  // 30 years and 4 months earlier
  col.AddEvent(exact, evBirth, "3 FEB 1791");  // 30 years earlier to the day
  col.AddChild(col.AddFamily(older, exact), p);

  panel.SetIndividual(p);
  EXPECT_EQ(FindRow("Death")->age, "68");  // not 69: he died before his 69th birthday
  EXPECT_EQ(FindRow("Day before 82nd")->age, "81");
  EXPECT_EQ(FindRow("82nd birthday")->age, "82");
  EXPECT_EQ(FindRow("Month only")->age, "29");
  EXPECT_EQ(FindRow("Month before")->age, "28");
  EXPECT_EQ(FindRow("Year only")->age, "29");
  EXPECT_EQ(FindRow("Months later")->age, "0");
  EXPECT_EQ(FindRow("Months earlier")->age, "0");
  EXPECT_EQ(FindRow("Father")->age, "-30");
  EXPECT_EQ(FindRow("Mother")->age, "-30");

  // A birth event without a date is no birth: the christening counts, in brackets.
  col.Person(p).events.erase(col.Person(p).events.begin());
  col.AddEvent(p, evBirth);
  col.AddEvent(p, evChristening, "10 FEB 1821");
  panel.Rebuild();
  EXPECT_EQ(FindRow("Death")->age, "[68]");
  EXPECT_EQ(FindRow("82nd birthday")->age, "[81]");
  EXPECT_EQ(FindRow("Christening")->age, "[-----]");
  EXPECT_EQ(FindRow("Birth")->age, "");
  EXPECT_EQ(FindRow("Father")->age, "[-30]");
}

TEST_F(IndPanelTest, ParentRowsMarkThePreferredOfSeveralFamilies) {
  RecNo p = col.AddPerson("John", "Smith", 'M');
  RecNo dad = col.AddPerson("Dad", "Smith", 'M');
  RecNo mum = col.AddPerson("Mum", "Smith", 'F');
  RecNo step = col.AddPerson("Step", "Dad", 'M');
  col.AddEvent(dad, evBirth, "1870", "York");
  RecNo natural = col.AddFamily(dad, mum);
  RecNo adoptive = col.AddFamily(step, 0);
  col.AddChild(natural, p);
  panel.SetIndividual(p);
  EXPECT_NE(FindRow("Father"), nullptr);
  EXPECT_EQ(FindRow("Father")->information, "Dad Smith, (b. 1870, York), (d. , )");
  EXPECT_NE(FindRow("Mother"), nullptr);

  col.AddChild(adoptive, p, 7, 3);
  panel.Rebuild();
  std::vector<std::string> types = Types();
  std::vector<std::string> parents(types.begin() + 6, types.end());
  EXPECT_EQ(parents, std::vector<std::string>({"Father (P)", "Mother (P)", "Father-Ste"}));
  EXPECT_EQ(panel.Rows()[8].individual, step);
}

TEST_F(IndPanelTest, MarriageRowsWithChildrenNamedByRelation) {
  RecNo p = col.AddPerson("Mary", "Jones", 'F');
  RecNo husband = col.AddPerson("Carl", "Brown", 'M');
  RecNo son = col.AddPerson("Sam", "Brown", 'M');
  RecNo daughter = col.AddPerson("Dora", "Brown", 'F');
  RecNo unknown = col.AddPerson("Pat", "Brown", 'U');
  RecNo adopted = col.AddPerson("Ada", "Brown", 'F');
  RecNo unlinked = col.AddPerson("Lee", "Brown", 'M');
  col.AddEvent(p, evBirth, "1 JAN 1900");
  col.AddEvent(son, evBirth, "1 JAN 1925");
  RecNo family = col.AddFamily(husband, p, "1 JUN 1924", "Boston");
  col.Family(family).note = {"married in church"};
  col.AddChild(family, son);
  col.AddChild(family, daughter);
  col.AddChild(family, unknown);
  col.AddChild(family, adopted, 8, 3);              // adopted by her, step to him
  col.Family(family).children.push_back(unlinked);  // no link back to this family
  RecNo alone = col.AddFamily(0, p);

  panel.SetIndividual(p);
  std::vector<std::string> types = Types();
  std::vector<std::string> tail(types.begin() + 6, types.end());
  EXPECT_EQ(tail, std::vector<std::string>({"Marriage 1 (5)", "     Son", "     Daughter", "     Child",
                                            "     Dau-Ado", "     Child", "Marriage 2 (0)"}));
  const IndInfoRec& marriage = panel.Rows()[6];
  EXPECT_EQ(marriage.date, "1 Jun 1924");
  EXPECT_EQ(marriage.information, "Carl Brown, m. 1 Jun 1924, Boston");
  EXPECT_EQ(marriage.age, "24");
  EXPECT_EQ(marriage.individual, husband);
  EXPECT_EQ(marriage.note, "married in church");
  EXPECT_EQ(col.Family(family).order_children_calls, 1);  // children listed in display order
  EXPECT_EQ(panel.Rows()[7].age, "25");
  const IndInfoRec& lone = panel.Rows()[12];
  EXPECT_EQ(lone.information, "");
  EXPECT_EQ(lone.individual, 0);
  (void)alone;

  // Seen from the husband the father codes count.
  panel.SetIndividual(husband);
  EXPECT_EQ(panel.Rows()[10].type, "     Dau-Ste");

  panel.SetChronological(true);
  panel.SetIndividual(p);
  EXPECT_NE(FindRow("Marriage"), nullptr);
  EXPECT_NE(FindRow("Son"), nullptr);
}

TEST_F(IndPanelTest, SpouseSealingRowsFollowTheirMarriageWithLDS) {
  RecNo p = col.AddPerson("Mary", "Jones", 'F');
  RecNo husband = col.AddPerson("Carl", "Brown", 'M');
  RecNo family = col.AddFamily(husband, p);
  MemEventData sealing;
  sealing.kind = 0;
  sealing.date = "2 FEB 1930";
  sealing.place = MemPlaceData{"SLAKE", {}, {}};
  col.Family(family).sealings.push_back(sealing);
  panel.SetIndividual(p);
  EXPECT_EQ(FindRow("     LDS SS"), nullptr);
  panel.SetUseLDS(true);
  panel.Rebuild();
  const IndInfoRec* row = FindRow("     LDS SS");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->date, "2 Feb 1930");
  EXPECT_EQ(row->information, "SLAKE");
}

TEST_F(IndPanelTest, ChronologicalOrderPutsUndatedRowsFirstAfterTheName) {
  RecNo p = col.AddPerson("John", "Smith", 'M');
  col.AddEvent(p, evBirth, "1 JAN 1900");
  col.AddEvent(p, evDeath, "5 MAY 1960");
  col.AddEvent(p, evOther, "").type_name = "Occupation";
  col.AddEvent(p, evOther, "1930").type_name = "Census";
  col.AddEvent(p, evOther, "1930").type_name = "Anniversary";
  col.AddEvent(p, evOther, "SOMETIME").type_name = "Mystery";
  col.AddEvent(p, evOther, "1 JAN 1900").type_name = "Arrival";
  panel.SetChronological(true);
  panel.SetIndividual(p);
  EXPECT_EQ(Types(), std::vector<std::string>({"RIN/AFN/Custom", "Name", "Occupation", "Mystery", "Arrival",
                                               "Birth", "Anniversary", "Census", "Death"}));
}

TEST_F(IndPanelTest, RowTableStopsAt1023Rows) {
  RecNo p = col.AddPerson("Busy", "Person", 'M');
  for (int i = 0; i < 1100; ++i) col.AddEvent(p, evOther, "1900").type_name = "E" + std::to_string(i);
  panel.SetIndividual(p);
  EXPECT_EQ(panel.Rows().size(), static_cast<size_t>(WIndPanelLogic::kMaxRows));
  EXPECT_EQ(panel.Rows().back().type, "E1016");
  EXPECT_EQ(panel.GridRowCount(), 1024);
}

TEST_F(IndPanelTest, SelectionNotesLabelsAndDoubleClick) {
  RecNo p = col.AddPerson("John", "Smith", 'f');
  RecNo dad = col.AddPerson("Dad", "Smith", 'M');
  col.Person(p).change_date = "3 MAR 2001";
  col.Person(p).name->note = {"name note"};
  MemCitationData citation;
  citation.detail = "page 4";
  citation.source = col.AddSource("Parish book");
  col.AddEvent(p, evBirth, "1900").citations.push_back(citation);
  col.AddChild(col.AddFamily(dad, 0), p);
  bool chrono_raised = false;
  panel.OnChronoChange = [&] { chrono_raised = true; };

  panel.SetIndividual(p);
  EXPECT_EQ(panel.SexText(), "F");
  EXPECT_EQ(panel.ModifiedText(), "3 Mar 2001");
  panel.SelectRow(1);
  EXPECT_EQ(panel.NoteText(), "name note");
  panel.SelectRow(2);
  EXPECT_NE(panel.CitationsText().find("Parish book"), std::string::npos);
  panel.SelectRow(99);
  EXPECT_EQ(panel.NoteText(), "");

  panel.ActivateRow(2);  // an event: nobody to go to
  panel.ActivateRow(6);  // the father
  EXPECT_EQ(requests, std::vector<RecNo>({dad}));
  EXPECT_EQ(panel.RequestedIndividual(), dad);

  panel.ToggleChronological();
  EXPECT_TRUE(chrono_raised);
  EXPECT_TRUE(panel.Chronological());

  col.Person(p).sex = 'x';
  panel.Rebuild();
  EXPECT_EQ(panel.SexText(), "U");

  // Nobody shown: no rows and empty labels.
  panel.SetIndividual(99);
  EXPECT_TRUE(panel.Rows().empty());
  panel.SetCollection(nullptr);
  EXPECT_TRUE(panel.Rows().empty());
  EXPECT_EQ(panel.RequestedIndividual(), 0);
}

TEST_F(IndPanelTest, AnUnreadableRelativeGivesARowWithItsTypeOnly) {
  BrokenCollection broken;
  RecNo p = broken.AddPerson("John", "Smith", 'M');
  RecNo dad = broken.AddPerson("Dad", "Smith", 'M');
  RecNo mum = broken.AddPerson("Mum", "Smith", 'F');
  broken.AddChild(broken.AddFamily(dad, mum), p);
  broken.broken = dad;
  panel.SetCollection(&broken);
  EXPECT_FALSE(broken.MetDamage());
  ASSERT_NO_THROW(panel.SetIndividual(p));
  // The record that could not be read is damage the viewer tells about.
  EXPECT_TRUE(broken.MetDamage());
  ASSERT_NE(FindRow("Father"), nullptr);
  EXPECT_EQ(FindRow("Father")->information, "");
  EXPECT_EQ(FindRow("Mother")->information, "Mum Smith, (b. , ), (d. , )");

  broken.broken = p;
  ASSERT_NO_THROW(panel.SetIndividual(p));
  EXPECT_TRUE(panel.Rows().empty());
}

// One unreadable child or marriage leaves one row with its type only; the rows after it
// are still built.
TEST_F(IndPanelTest, AnUnreadableChildOrMarriageKeepsTheRowsAfterIt) {
  BrokenCollection broken;
  RecNo p = broken.AddPerson("Mary", "Jones", 'F');
  RecNo lost = broken.AddPerson("Lost", "Brown", 'M');
  RecNo kept = broken.AddPerson("Kept", "Brown", 'F');
  RecNo family = broken.AddFamily(broken.AddPerson("Carl", "Brown", 'M'), p);
  broken.AddChild(family, lost);
  broken.AddChild(family, kept);
  RecNo second = broken.AddFamily(broken.AddPerson("Dan", "Green", 'M'), p);
  broken.broken = lost;
  broken.broken_family = family;
  panel.SetCollection(&broken);
  ASSERT_NO_THROW(panel.SetIndividual(p));
  std::vector<std::string> types = Types();
  std::vector<std::string> tail(types.begin() + 6, types.end());
  EXPECT_EQ(tail, std::vector<std::string>({"Marriage 1", "Marriage 2 (0)"}));
  EXPECT_EQ(panel.Rows()[7].information, "Dan Green, m. ");

  broken.broken_family = 0;
  ASSERT_NO_THROW(panel.SetIndividual(p));
  types = Types();
  tail.assign(types.begin() + 6, types.end());
  EXPECT_EQ(tail,
            std::vector<std::string>({"Marriage 1 (2)", "     Child", "     Daughter", "Marriage 2 (0)"}));
  EXPECT_EQ(panel.Rows()[7].information, "");
  EXPECT_EQ(panel.Rows()[7].individual, lost);
  (void)second;
}

}  // namespace
