// The 5.x reader on small projects: the prefix rule, identifiers, dictionary names and places,
// events chosen by tag group, families and sealings of the 5.x types, and the 5.x sentences.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TMG5Fixture.h"
#include "formats/Readers.h"
#include "formats/tmg/TMG5Collection.h"
#include "formats/tmg/TMG5EventSent.h"
#include "formats/tmg/TMG5NameLookup.h"
#include "formats/tmg/TMG5PlaceLookup.h"
#include "formats/tmg/TMG5Tab_.h"
#include "formats/tmg/TMGTabG.h"
#include "formats/tmg/TMGTabN.h"
#include "model/ABSIndividual.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSMarriage.h"
#include "model/ABSName.h"
#include "model/ABSPlace.h"
#include "model/ABSVitEvent.h"
#include "model/ABSWitness.h"
#include "model/GeneralInfo.h"
#include "support/TempDir.h"

namespace {

using W = TMGWriter;

void AddPerson(W& w, int id, const char* sex = "M", const std::string& birth = "",
               const std::string& death = "") {
  W::Person p;
  p.id = id;
  p.sex = sex;
  p.birth = birth;
  p.death = death;
  w.people.push_back(p);
}

// An event numbered after the events so far; its RECNO.
int AddEvent(W& w, int type, int per1, int per2, const std::string& date, int place = 0,
             const std::string& memo = "") {
  return w.AddEvent(static_cast<int>(w.events.size()) + 1, type, per1, per2, date, place, memo).recno;
}

// The sentence of an event as the note shows it (after the template and the empty line).
std::string SentenceOf(WTMG5Collection& c, int event_pos) {
  const std::string text = c.MakeEventSentence(event_pos, c.Events().Type(event_pos))->GetSentenceText();
  return text.substr(text.find("\r\n\r\n") + 4);
}

std::string TemplateOf(WTMG5Collection& c, int event_pos) {
  const std::string text = c.MakeEventSentence(event_pos, c.Events().Type(event_pos))->GetSentenceText();
  return text.substr(0, text.find("\r\n\r\n"));
}

// Type names (or descriptions) of the person's other events, in order.
std::vector<std::string> OtherEvents(WTMG5Collection& c, RecNo p) {
  std::vector<std::string> out;
  std::unique_ptr<WABSIndividual> person = c.GetIndividual(p);
  for (int i = 1; i <= person->EventCount(6); ++i) {
    std::unique_ptr<WABSVitEvent> e = person->GetEvent(6, i);
    out.push_back(e->GetTypeName() + " " + e->GetDateText());
  }
  return out;
}

TEST(TMG5Project, TablesAreNamedByTheBaseNameWithoutItsLastCharacter) {
  EXPECT_EQ(WTMG5Collection::TablePrefix("/a/b/family_.pjc"), "family");
  EXPECT_EQ(WTMG5Collection::TablePrefix("/a/b/Kin2.PJC"), "Kin");
  EXPECT_EQ(WTMG5Collection::TablePrefix("/a/b/x.pjc"), "");

  TMG5Writer w = FamilyProject5();
  w.project.upper_case_files = true;
  OpenedProject5 upper(w, "family_.pjc");
  ASSERT_TRUE(upper.imported()) << upper.error();
  EXPECT_EQ(upper->IndividualCount(), 40);

  // family_.pjc reads family$.dbf: a table named after the whole base name is not used.
  TempDir dir;
  FamilyProject5().Write(dir.path(), "family_X.pjc");
  WTMG5Collection other(dir / "family_.pjc");
  EXPECT_THROW(other.Import(), std::exception);
}

TEST(TMG5Project, PjcFilesReachThe5xReaderWhichTakesEveryProject) {
  const WReaderInfo* reader = ReaderForExtension(".pjc");
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader, &WTMG5Collection::ReaderInfo());
  EXPECT_EQ(reader->probe("/no/such/project.pjc"), "");

  OpenedProject5 p(FamilyProject5());
  ASSERT_TRUE(p.imported()) << p.error();
  EXPECT_EQ(p->GetIdentifierSource(), "TMG");
  EXPECT_TRUE(p->HasSentences());
  EXPECT_EQ(p->GetIdOrder(), IdOrder::PairText);
  int count = 0;
  GenHeaderRecs rows;
  p->GetHeaderInfo(count, rows);
  ASSERT_GE(count, 2);
  EXPECT_EQ(rows[1].label, "TMG Version");
  EXPECT_EQ(rows[1].value, "5");
}

TEST(TMG5Project, PeopleAreKnownByDataSetAndNumber) {
  OpenedProject5 p(FamilyProject5());
  ASSERT_TRUE(p.imported()) << p.error();
  WTMG5Collection& c = *p;
  // PER_NO 35 is in data set 2 as number 15; number 11 is a deleted row.
  const RecNo quinn = p.Pos(35);
  ASSERT_GT(quinn, 0);
  EXPECT_EQ(c.GetIndividual(quinn)->GetID(), "2:15");
  EXPECT_EQ(c.FindIndividual("2:15"), quinn);
  EXPECT_EQ(c.FindIndividual(" 2 : 15 "), quinn);
  // The plain PER_NO finds the person too, and a deleted row's number finds nobody.
  EXPECT_EQ(c.FindIndividual("35"), quinn);
  EXPECT_EQ(c.FindIndividual(" 35 "), quinn);
  EXPECT_EQ(c.FindIndividual("11"), 0);
  EXPECT_EQ(c.FindIndividual("1:3"), 3);
  EXPECT_EQ(c.FindIndividual("1:12"), PositionOf(12));
  EXPECT_EQ(c.FindIndividual("1:11"), 0);
  EXPECT_EQ(c.FindIndividual("2:99"), 0);
  EXPECT_EQ(c.FindIndividual("3:1"), 0);
  for (const char* bad : {"x:1", "1:", ":1", "1:2:3", "", "0"}) EXPECT_EQ(c.FindIndividual(bad), 0) << bad;
  // Every identifier the list shows finds its own person.
  for (RecNo n = 1; n <= c.IndividualCount(); ++n)
    EXPECT_EQ(c.FindIndividual(c.GetIndividual(n)->GetID()), n);
}

TEST(TMG5Names, PartsComeFromTheDictionaryByPartType) {
  TMG5Writer v5;
  W& w = v5.project;
  w.AddStandardTypes();
  for (int id = 1; id <= 6; ++id) AddPerson(w, id);
  for (int id = 1; id <= 6; ++id) w.AddName(id, id, "");
  v5.extra_name_parts = {{10, "Ann "}, {11, "Lee"}, {12, "Hidden"}, {13, "Dr."},    {14, "Jr."},
                         {15, "Old"},  {16, "New"}, {20, "First"},  {20, "Second"}, {21, W::kEmptyMemo}};
  v5.extra_name_values = {
      {1, 10, 3}, {1, 11, 5},  {1, 12, 2}, {1, 12, 4},
      {1, 12, 7},                                       // given, surname; unused and unknown types
      {2, 10, 9}, {2, 11, 8},  {2, 13, 1}, {2, 14, 6},  // the alternative types, prefix, suffix
      {3, 15, 5}, {3, 16, 5},                           // a later row replaces an earlier
      {4, 99, 5}, {4, 20, 3},                           // a UID no row holds; a repeated UID
      {5, 21, 5},                                       // a dictionary row with an empty memo
      {0, 11, 5}, {-3, 11, 5},                          // rows of no name
  };
  OpenedProject5 p(v5);
  ASSERT_TRUE(p.imported()) << p.error();
  auto name = [&](int id) { return p->GetIndividual(p.Pos(id))->GetName(); };
  EXPECT_EQ(name(1)->GetGivenNames(), "Ann ");  // as stored, not trimmed
  EXPECT_EQ(name(1)->GetSurname(), "Lee");
  EXPECT_EQ(name(1)->GetPrefix(), "");
  EXPECT_EQ(name(1)->GetSuffix(), "");
  EXPECT_EQ(name(2)->GetFullName(true), "Dr. Ann  /Lee/ Jr.");
  EXPECT_EQ(name(3)->GetSurname(), "New");
  EXPECT_EQ(name(4)->GetSurname(), "");
  EXPECT_EQ(name(4)->GetGivenNames(), "First");  // the first row of the UID in index order
  EXPECT_EQ(name(5)->GetSurname(), "");
  EXPECT_EQ(name(6)->GetSurname(), "");  // no parts at all
  EXPECT_EQ(p->NameParts().Count(), 5);
  EXPECT_EQ(p->NameParts().Uid(1, WTMG5NameLookup::kUnused), 12);
}

TEST(TMG5Names, PartValuesInAnyOrderOfNames) {
  TMG5Writer v5;
  W& w = v5.project;
  for (int id = 1; id <= 4; ++id) AddPerson(w, id);
  for (int id = 1; id <= 4; ++id) w.AddName(10 * id, id, "");
  v5.extra_name_parts = {{1, "Ann"}, {2, "Bo"}, {3, "Cy"}, {4, "Dee"}, {5, "Lee"}, {6, "Ray"}, {7, "Roe"}};
  // Names 30, 10, 30 again, 20, 10 again, 40, 20 again.
  v5.extra_name_values = {{30, 5, 5}, {10, 6, 5}, {30, 3, 3}, {20, 7, 5}, {10, 1, 3}, {40, 4, 3}, {20, 2, 3}};
  OpenedProject5 p(v5);
  ASSERT_TRUE(p.imported()) << p.error();
  std::vector<std::string> names;
  for (RecNo n = 1; n <= 4; ++n) names.push_back(p->GetIndividual(n)->GetName()->GetFullName(false));
  EXPECT_EQ(names, (std::vector<std::string>{"Ann /Ray/", "Bo /Roe/", "Cy /Lee/", "Dee //"}));
  EXPECT_EQ(p->NameParts().Count(), 4);
  EXPECT_EQ(p->NameParts().Uid(25, WTMG5NameLookup::kSurname), 0);
}

TEST(TMG5Places, PartsTwoToSixNameThePlaceAndTheLookupKeepsPartsTwoToTen) {
  TMG5Writer v5;
  W& w = v5.project;
  w.AddStandardTypes();
  AddPerson(w, 1);
  w.AddName(1, 1, W::NameMemo("Lee", "Ann"));
  // Parts of types 2, 4 and 6; a place of every part 1 to 11; a place without parts.
  w.places = {{1, "$!&Eskdale$!&$!&North Riding$!&$!&England"},
              {2, "Addr$!&P2$!&P3$!&P4$!&P5$!&P6$!&P7$!&P8$!&P9$!&P10$!&P11"},
              {3, ""}};
  const int at_eskdale = AddEvent(w, W::kBirth, 1, 0, W::Date(1850, 1, 2), 1);
  const int at_full = AddEvent(w, W::kResidence, 1, 0, W::Date(1860), 2);
  const int at_empty = AddEvent(w, W::kCensus, 1, 0, W::Date(1861), 3);
  OpenedProject5 p(v5);
  ASSERT_TRUE(p.imported()) << p.error();
  WTMG5Collection& c = *p;
  EXPECT_EQ(c.PlaceText(1), "Eskdale, North Riding, England");
  EXPECT_EQ(c.MakePlace(1)->GetName(), "Eskdale, North Riding, England");
  EXPECT_EQ(c.PlaceText(2), "P2, P3, P4, P5, P6");
  EXPECT_EQ(c.PlaceText(3), "");
  EXPECT_EQ(c.PlaceText(0), "");
  EXPECT_EQ(c.MakePlace(0), nullptr);
  // Part 1 has no slot; parts 2 to 10 have slots 0 to 8; nothing outside them is read.
  EXPECT_EQ(c.PlacePart(2, 1), "");
  EXPECT_EQ(c.PlacePart(2, 2), "P2");
  EXPECT_EQ(c.PlacePart(2, 10), "P10");
  EXPECT_EQ(c.PlacePart(2, 11), "");
  EXPECT_EQ(c.PlacePart(2, 0), "");
  EXPECT_EQ(c.PlaceParts().Uid(2, 1), 0);
  EXPECT_NE(c.PlaceParts().Uid(2, 10), 0);
  EXPECT_EQ(c.PlaceParts().Uid(2, 11), 0);
  EXPECT_EQ(c.PlaceParts().Uid(2, -5), 0);

  const int e1 = c.Events().IdToPos(at_eskdale);
  EXPECT_EQ(SentenceOf(c, e1), "Ann /Lee/ was born on 2 Jan 1850 in Eskdale, North Riding, England");
  // [L] names parts 1 to 9; the place-part variables name single parts.
  const int e2 = c.Events().IdToPos(at_full);
  EXPECT_EQ(SentenceOf(c, e2), "Ann /Lee/ lived in P2, P3, P4, P5, P6, P7, P8, P9 in 1860");
  std::unique_ptr<WTMGEventSent> parts = c.MakeEventSentence(e2, 0);
  EXPECT_EQ(parts->Render("[ADDR]-[DETA]/[CITY]/[COUNTY]/[STAT]/[COUNTRY]/[ZIP]/[PHON]/[LATL]"),
            "-P2/P3/P4/P5/P6/P7/P8/P9");
  EXPECT_EQ(parts->Render("[LA][LD]/[LCI]/[LCN]/[LS]/[LCR]/[LZ]/[LP]/[LL]"), "P2/P3/P4/P5/P6/P7/P8/P9");
  EXPECT_EQ(parts->Render("[L1][L2]/[L3]/[L4]/[L5]/[L6]/[L7]/[L8]/[L9]/[L0][l2]"),
            "P2/P3/P4/P5/P6/P7/P8/P9/");
  const int e3 = c.Events().IdToPos(at_empty);
  EXPECT_EQ(SentenceOf(c, e3), "Ann /Lee/ appeared in the census in 1861 ");
  std::unique_ptr<WABSIndividual> ann = c.GetIndividual(1);
  EXPECT_EQ(ann->GetEvent(1, 1)->GetPlaceText(), "Eskdale, North Riding, England");
}

TEST(TMG5Events, ChosenEventsFollowTheTagGroups) {
  TMG5Writer v5;
  W& w = v5.project;
  w.AddStandardTypes();
  w.tag_types.push_back({1002, "Birth5", 4, "[P] was born <[D]>"});
  w.tag_types.push_back({1003, "Death5", 5, ""});
  w.tag_types.push_back({1004, "Marriage5", 6, ""});
  w.tag_types.push_back({1006, "Burial5", 9, ""});
  w.tag_types.push_back({1016, "LDS Bapt5", 99, ""});
  w.tag_types.push_back({1020, "Chr5", 4, ""});
  w.tag_types.push_back({1024, "Endow5", 99, ""});
  w.tag_types.push_back({61, "SealParents", 99, ""});
  AddPerson(w, 1, "M", W::Date(1850, 5, 5), W::Date(1900, 2, 2));
  AddPerson(w, 2, "F", W::Date(1852), W::Date(1930));
  w.AddName(1, 1, W::NameMemo("One", "A"));
  w.AddName(2, 2, W::NameMemo("Two", "B"));
  // Person 1: a birth of type 2 whose date differs, then the exact one of type 1002.
  AddEvent(w, W::kBirth, 1, 0, W::Date(1849));
  const int exact_birth = AddEvent(w, 1002, 1, 0, W::Date(1850, 5, 5));
  const int chr = AddEvent(w, 1020, 1, 0, W::Date(1850, 6, 1));
  AddEvent(w, W::kDeath, 1, 0, W::Date(1899));  // not PDEATH: listed
  const int death = AddEvent(w, 1003, 1, 0, W::Date(1900, 2, 2));
  AddEvent(w, W::kDeath, 1, 0, W::Date(1900, 2, 2));  // equal too, but the first one stays
  const int burial = AddEvent(w, 1006, 1, 0, W::Date(1900, 2, 5));
  AddEvent(w, W::kBurial, 1, 0, W::Date(1900, 2, 6));
  const int lds = AddEvent(w, 1016, 1, 0, W::Date(1901));
  const int endow = AddEvent(w, 1024, 1, 0, W::Date(1902));
  const int sealp = AddEvent(w, 61, 1, 0, W::Date(1903));
  AddEvent(w, W::kSealChild, 1, 0, W::Date(1904));
  AddEvent(w, 1004, 1, 2, W::Date(1875));  // a marriage: not listed
  AddEvent(w, 1033, 1, 2, W::Date(1876));  // a couple's sealing: not listed
  AddEvent(w, W::kSealSpouse, 1, 2, W::Date(1877));
  AddEvent(w, W::kOccupation, 1, 0, W::Date(1880));
  // Person 2: only a birth of type 1002 whose date differs from PBIRTH.
  const int birth2 = AddEvent(w, 1002, 2, 0, W::Date(1851));
  OpenedProject5 p(v5);
  ASSERT_TRUE(p.imported()) << p.error();
  WTMG5Collection& c = *p;
  auto pos = [&](int recno) { return c.Events().IdToPos(recno); };
  const WTMGPrimeEventArray::Entry one = c.ChosenEvents(1);
  EXPECT_EQ(one.birth, pos(exact_birth));
  EXPECT_EQ(one.christening, pos(chr));
  EXPECT_EQ(one.death, pos(death));
  EXPECT_EQ(one.burial, pos(burial));
  EXPECT_EQ(one.lds_baptism, pos(lds));
  EXPECT_EQ(one.endowment, pos(endow));
  EXPECT_EQ(one.sealing_to_parents, pos(sealp));
  EXPECT_EQ(c.ChosenEvents(2).birth, pos(birth2));

  std::unique_ptr<WABSIndividual> a = c.GetIndividual(1);
  EXPECT_EQ(a->GetLDSEvent(7)->GetTypeName(), "LDS Bapt5");
  EXPECT_EQ(a->GetLDSEvent(8)->GetTypeName(), "Endow5");
  EXPECT_EQ(a->GetLDSEvent(9)->GetTypeName(), "SealParents");
  EXPECT_EQ(OtherEvents(c, 1),
            (std::vector<std::string>{"Birth 1849", "Occupation 1880", "Death 1899", "Death 2 Feb 1900",
                                      "Burial 6 Feb 1900", "SealChild 1904"}));
}

// A christening on the day of birth shares the birth's date with the person's birth date; it
// stays the christening instead of replacing the birth.
TEST(TMG5Events, AChristeningOnTheDayOfBirthStaysTheChristening) {
  TMG5Writer v5;
  W& w = v5.project;
  w.AddStandardTypes();
  w.tag_types.push_back({1020, "Chr5", 4, ""});
  const std::string day = W::Date(1850, 5, 5);
  for (int id = 1; id <= 3; ++id) AddPerson(w, id, "M", day);
  const int birth1 = AddEvent(w, W::kBirth, 1, 0, day, 1);
  const int chr1 = AddEvent(w, W::kChristening, 1, 0, day, 2);
  const int chr2 = AddEvent(w, 1020, 2, 0, day, 2);  // christened on that day, no birth event
  const int chr3 = AddEvent(w, W::kChristening, 3, 0, day, 2);
  const int birth3 = AddEvent(w, W::kBirth, 3, 0, day, 1);  // the birth comes after it
  OpenedProject5 p(v5);
  ASSERT_TRUE(p.imported()) << p.error();
  auto pos = [&](int recno) { return p->Events().IdToPos(recno); };
  EXPECT_EQ(p->ChosenEvents(1).birth, pos(birth1));
  EXPECT_EQ(p->ChosenEvents(1).christening, pos(chr1));
  EXPECT_EQ(p->ChosenEvents(2).birth, pos(chr2));
  EXPECT_EQ(p->ChosenEvents(2).christening, 0);
  EXPECT_EQ(p->ChosenEvents(3).birth, pos(birth3));
  EXPECT_EQ(p->ChosenEvents(3).christening, pos(chr3));
  EXPECT_EQ(OtherEvents(*p, 1), (std::vector<std::string>{}));
  EXPECT_EQ(OtherEvents(*p, 3), (std::vector<std::string>{}));
}

TEST(TMG5Events, APersonsEventsAreThoseNamingThePersonFirstOrSecond) {
  TMG5Writer v5;
  W& w = v5.project;
  w.AddStandardTypes();
  for (int id = 1; id <= 9; ++id) AddPerson(w, id);
  for (int id = 1; id <= 9; ++id) w.AddName(id, id, W::NameMemo("P" + std::to_string(id), "X"));
  // Person 4's own events, then person 5's: the first of them names 4 second, the next does not.
  AddEvent(w, W::kOccupation, 4, 0, W::Date(1850));
  AddEvent(w, W::kOccupation, 4, 0, W::Date(1870));
  AddEvent(w, W::kCensus, 5, 4, W::Date(1840));
  AddEvent(w, W::kResidence, 5, 0, W::Date(1841));
  AddEvent(w, W::kCensus, 5, 6, W::Date(1842));
  // Far from person 4's run: events of person 9 naming 4 second, one of 4 naming 4 twice, and
  // free-text dates in both runs.
  AddEvent(w, W::kResidence, 9, 4, W::Date(1860));
  AddEvent(w, W::kCensus, 4, 4, W::Date(1865));
  AddEvent(w, W::kResidence, 4, 0, W::TextDate("spring"));
  AddEvent(w, W::kCensus, 9, 4, W::TextDate("autumn"));
  AddEvent(w, W::kMarriage, 9, 4, W::Date(1855));  // a family event: never listed
  OpenedProject5 p(v5);
  ASSERT_TRUE(p.imported()) << p.error();
  EXPECT_EQ(OtherEvents(*p, 4),
            (std::vector<std::string>{"Census autumn", "Residence spring", "Census 1840", "Occupation 1850",
                                      "Residence 1860", "Census 1865", "Occupation 1870"}));
  EXPECT_EQ(OtherEvents(*p, 5), (std::vector<std::string>{"Census 1840", "Residence 1841", "Census 1842"}));
  EXPECT_EQ(OtherEvents(*p, 6), (std::vector<std::string>{"Census 1842"}));
  EXPECT_EQ(OtherEvents(*p, 3), (std::vector<std::string>{}));
  EXPECT_EQ(p->EventsOfPerson(0), (std::vector<int>{}));
}

TEST(TMG5Families, MarriagesOfType1004AndEventsOfGroupSixMakeFamilies) {
  TMG5Writer v5;
  W& w = v5.project;
  w.AddStandardTypes();
  w.tag_types.push_back({1100, "Partnership", 6, ""});
  w.tag_types.push_back({1033, "Sealing5", 99, ""});
  for (int id = 1; id <= 8; ++id) AddPerson(w, id, id % 2 ? "M" : "F");
  AddEvent(w, 1004, 1, 2, W::Date(1870));  // no tag type row for 1004
  AddEvent(w, 1100, 3, 4, W::Date(1871));
  AddEvent(w, W::kDivorce, 5, 6, W::Date(1872));     // group 7: no family
  AddEvent(w, W::kEngagement, 7, 8, W::Date(1873));  // group 6: a family whatever the option
  AddEvent(w, W::kSealSpouse, 1, 2, W::Date(1880));
  AddEvent(w, 1033, 1, 2, W::Date(1881));
  AddEvent(w, 1033, 1, 3, W::Date(1882));  // another couple's
  OpenedProject5 p(v5);
  ASSERT_TRUE(p.imported()) << p.error();
  WTMG5Collection& c = *p;
  ASSERT_EQ(c.FamilyCount(), 3);
  std::unique_ptr<WABSMarriage> first = c.GetFamily(1);
  EXPECT_EQ(first->GetHusband(), 1);
  EXPECT_EQ(first->GetWife(), 2);
  ASSERT_EQ(first->SealingCount(), 2);
  EXPECT_EQ(first->GetSealing(1)->GetTypeName(), "SealSpouse");
  EXPECT_EQ(first->GetSealing(2)->GetTypeName(), "Sealing5");
  EXPECT_EQ(first->GetSealing(2)->GetDateText(), "1881");
  EXPECT_EQ(c.GetFamily(2)->GetHusband(), 3);
  EXPECT_EQ(c.GetFamily(3)->GetWife(), 8);
}

TEST(TMG5Sentences, TemplatesMemosAndWitnessSentences) {
  TMG5Writer v5;
  W& w = v5.project;
  w.AddStandardTypes();
  w.tag_types.push_back({1004, "Marriage5", 6, "[P] married$!&[PO]$!&<[D]>"});
  for (W::TagType& t : w.tag_types)
    if (t.id == W::kOccupation) t.sentence = "[P] was a [M]<, [M1]><; [M2]>";
  AddPerson(w, 1, "M");
  AddPerson(w, 2, "F");
  w.AddName(1, 1, W::NameMemo("Lee", "Tom"));
  w.AddName(2, 2, W::NameMemo("Ray", "Ann"));
  W::Name alt;
  alt.recno = 3;
  alt.person = 1;
  alt.memo = W::NameMemo("Lea", "Thos");
  alt.type = W::kNameVariation;
  alt.primary = false;
  alt.note = "{hidden}known to all";
  alt.sentence = "[P] was called [N]: [M]";
  w.names.push_back(alt);
  const int wed = AddEvent(w, 1004, 1, 2, W::Date(1870, 3, 4));
  const int job = AddEvent(w, W::kOccupation, 1, 0, W::Date(1871), 0, "{secret {deep}}smith}||{x}farrier");
  const int job2 = AddEvent(w, W::kOccupation, 2, 0, W::Date(1872), 0, "{all hidden}");
  const int born = AddEvent(w, W::kBirth, 1, 0, W::Date(1850));
  const int born2 = AddEvent(w, W::kBirth, 2, 0, W::Date(1851));
  w.witnesses = {{1, born, false, W::kEmptyMemo}, {2, born2, false, "[P] arrived <[D]>"}};
  OpenedProject5 p(v5);
  ASSERT_TRUE(p.imported()) << p.error();
  WTMG5Collection& c = *p;
  auto pos = [&](int recno) { return c.Events().IdToPos(recno); };
  EXPECT_EQ(TemplateOf(c, pos(wed)), "[P] married [PO] <[D]>");
  EXPECT_EQ(SentenceOf(c, pos(wed)), "Tom /Lee/ married Ann /Ray/ on 4 Mar 1870");
  EXPECT_EQ(SentenceOf(c, pos(job)), "Tom /Lee/ was a smith||farrier, smith; farrier");
  EXPECT_EQ(SentenceOf(c, pos(job2)), "Ann /Ray/ was a ");
  // An empty witness sentence gives way to the tag's; one with text is used.
  EXPECT_EQ(SentenceOf(c, pos(born)), "Tom /Lee/ was born in 1850 ");
  EXPECT_EQ(SentenceOf(c, pos(born2)), "Ann /Ray/ arrived in 1851");
  // Name sentences: [M] without brace groups.
  const std::string name_text = c.MakeNameSentence(3, W::kNameVariation, 1)->GetSentenceText();
  EXPECT_EQ(name_text.substr(name_text.find("\r\n\r\n") + 4),
            "Tom /Lee/ was called Thos /Lea/: known to all");

  EXPECT_EQ(WTMG5EventSent::StripBraceGroups("a{b{c}d}e}f{g"), "aef");
  EXPECT_EQ(WTMG5EventSent::StripBraceGroups("}}x"), "x");
  EXPECT_EQ(WTMG5EventSent::StripBraceGroups(""), "");
}

TEST(TMG5Tables, APositionOutsideTheLiveRowsReadsAsEmpty) {
  TMG5Writer v5;
  W& w = v5.project;
  w.AddStandardTypes();
  AddPerson(w, 1);
  AddPerson(w, 2);
  w.people.back().deleted = true;
  w.AddName(1, 1, W::NameMemo("Lee", "Ann"));
  AddEvent(w, W::kBirth, 1, 0, W::Date(1850));
  AddEvent(w, W::kDeath, 1, 0, W::Date(1900));
  w.events.back().deleted = true;
  // A witness of an event no row holds, and a citation of a name no row holds.
  w.witnesses = {{1, 77, false, ""}};
  w.citations = {{'N', 55, 1, "nowhere"}};
  OpenedProject5 p(v5);
  ASSERT_TRUE(p.imported()) << p.error();
  WTMG5Collection& c = *p;
  ASSERT_EQ(c.IndividualCount(), 1);
  ASSERT_EQ(c.Events().LiveCount(), 1);
  // Physical record 2 exists in both tables (deleted), yet position 2 reads nothing.
  EXPECT_EQ(c.People5().PerNo(2), 0);
  EXPECT_EQ(c.People5().DataSet(2), 0);
  EXPECT_EQ(c.Events().Type(2), 0);
  EXPECT_EQ(c.Events().DateText(2), "");
  EXPECT_EQ(c.Events().Type(-1), 0);
  EXPECT_EQ(c.GetIndividual(2), nullptr);
  std::unique_ptr<WABSIndividual> ann = c.GetIndividual(1);
  ASSERT_EQ(ann->WitnessCount(), 1);
  EXPECT_EQ(ann->GetWitness(1)->GetDescription(), "");
  EXPECT_EQ(ann->GetWitness(1)->GetDateText(), "");
  EXPECT_EQ(ann->GetEvent(2, 1), nullptr);
}

}  // namespace
