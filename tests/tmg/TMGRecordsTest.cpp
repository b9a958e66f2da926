// What the TMG reader makes of its tables: chosen names and events, the families of every pass,
// child relation names, places, names, witnesses, sources, citations, notes and the project
// summary, on the family fixture and on small projects made for one rule each.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TMGFixture.h"
#include "base/Settings.h"
#include "base/UIHooks.h"
#include "model/ABSCitation.h"
#include "model/ABSIndividual.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSMarriage.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"
#include "model/ABSSource.h"
#include "model/ABSVitEvent.h"
#include "model/ABSWitness.h"
#include "support/TempDir.h"

namespace {

using W = TMGWriter;

// Settings changed by a test, put back afterwards.
class SettingsGuard {
 public:
  SettingsGuard() { Settings().ResetToDefaults(); }
  ~SettingsGuard() { Settings().ResetToDefaults(); }
};

class TMGRecords : public testing::Test {
 protected:
  static void SetUpTestSuite() { family_ = new OpenedProject(FamilyProject()); }
  static void TearDownTestSuite() {
    delete family_;
    family_ = nullptr;
  }
  std::unique_ptr<WABSIndividual> Person(int id) { return (*family_)->GetIndividual(family_->Pos(id)); }
  std::string Name(int id) { return (*family_)->GetIndividualName(family_->Pos(id)); }
  std::vector<std::string> Others(int id) {
    std::vector<std::string> out;
    auto p = Person(id);
    for (int i = 1; i <= p->EventCount(6); ++i) {
      auto e = p->GetEvent(6, i);
      out.push_back(e->GetTypeName() + " " + e->GetDateText() +
                    (e->GetDescription().empty() ? "" : " " + e->GetDescription()));
    }
    return out;
  }
  // "husband+wife: children" of a family, by person numbers.
  std::string FamilyText(RecNo f) {
    auto family = (*family_)->GetFamily(f);
    auto id = [&](RecNo n) { return n ? (*family_)->GetIndividual(n)->GetID() : std::string("0"); };
    std::string text = id(family->GetHusband()) + "+" + id(family->GetWife()) + ":";
    family->OrderChildren();
    for (int i = 1; i <= family->ChildCount(); ++i) text += " " + id(family->GetChild(i));
    return text;
  }
  std::vector<std::string> SpouseFamilies(int id) {
    std::vector<std::string> out;
    auto p = Person(id);
    for (int i = 1; i <= p->SpouseFamilyCount(); ++i) out.push_back(FamilyText(p->GetSpouseFamily(i)));
    return out;
  }
  SettingsGuard settings_;
  static OpenedProject* family_;
};
OpenedProject* TMGRecords::family_ = nullptr;

TEST_F(TMGRecords, ProjectOpensWithEveryPersonAndFamily) {
  ASSERT_TRUE(family_->imported());
  EXPECT_EQ((*family_)->IndividualCount(), 40);
  EXPECT_EQ((*family_)->FamilyCount(), 12);
  EXPECT_EQ((*family_)->SourceCount(), 3);
  EXPECT_EQ((*family_)->NoteCount(), 0);
  // The deleted person 11 has no position: 12 is the eleventh.
  EXPECT_EQ(family_->Pos(12), 11);
  EXPECT_EQ(family_->Pos(11), 0);
  EXPECT_EQ((*family_)->FindIndividual(" 41 "), 40);
  EXPECT_EQ((*family_)->FindIndividual("0"), 0);
  EXPECT_EQ((*family_)->FindIndividual("x12"), 0);
  EXPECT_EQ((*family_)->GetIndividual(41), nullptr);
  EXPECT_EQ((*family_)->GetFamily(0), nullptr);
  EXPECT_EQ((*family_)->GetFamily(13), nullptr);
  EXPECT_EQ((*family_)->GetSource(4), nullptr);
  EXPECT_EQ((*family_)->GetFileSizeText(), "N/A");
  EXPECT_EQ((*family_)->GetVersionText(), "N/A");
  EXPECT_TRUE((*family_)->HasSentences());
  EXPECT_EQ((*family_)->GetIdentifierSource(), "TMG");
}

TEST_F(TMGRecords, PeopleReadTheirFields) {
  auto william = Person(3);
  EXPECT_EQ(william->GetID(), "3");
  EXPECT_EQ(william->GetReferenceNumber(), "WA-1846");
  EXPECT_EQ(william->GetSex(), 'M');
  EXPECT_EQ(william->GetChangeDateText(), "14 Mar 2004");
  EXPECT_FALSE(william->IsLiving(110));
  EXPECT_TRUE(Person(33)->IsLiving(1));
  EXPECT_EQ(Person(4)->GetSex(), 'F');
  EXPECT_EQ(Person(12)->GetID(), "12");
  EXPECT_EQ(Person(34)->GetName(), nullptr);
}

TEST_F(TMGRecords, ThePrimaryNameIsChosenAndTheOthersAreAlternates) {
  EXPECT_EQ(Name(1), "John /Ashdown/");
  // The first name is not primary, the second is: the second is chosen.
  EXPECT_EQ(Name(35), "Quinn /New/");
  EXPECT_EQ(Others(35), (std::vector<std::string>{"  Quinn /Old/"}));  // no type, no date
  // Two primary names: the later one wins.
  EXPECT_EQ(Name(36), "Vera /Two/");
  // Alternate names come before the other events.
  EXPECT_EQ(Others(3), (std::vector<std::string>{"Name-Var 1870 Bill /Ashdown/", "Occupation 1871"}));
  // A memo of two parts: surname and prefix.
  auto zack = Person(40)->GetName();
  EXPECT_EQ(zack->GetSurname(), "Solo");
  EXPECT_EQ(zack->GetPrefix(), "Mr");
  EXPECT_EQ(zack->GetGivenNames(), "");
  EXPECT_EQ(zack->GetSuffix(), "");
  EXPECT_EQ(Person(7)->GetName()->GetSuffix(), "Esq.");
  EXPECT_EQ(Person(24)->GetName()->GetPrefix(), "Rev.");
}

TEST_F(TMGRecords, VitalEventsAreChosenByTheirDatesAndTypes) {
  // Two births, the second (a birth-group type) dated as the person's birth date: the second.
  EXPECT_EQ(Person(28)->GetEventDateText(1), "3 Mar 1901");
  EXPECT_EQ(Person(28)->GetEventPlaceText(1), "Smithville, Ohio");
  EXPECT_EQ(Others(28), (std::vector<std::string>{"Birth 1 Jan 1900"}));
  // No birth dated as the birth date: the first birth in event order.
  EXPECT_EQ(Person(29)->GetEventDateText(1), "1889");
  // A death not dated as the death date is no death; it is listed among the other events.
  EXPECT_EQ(Person(30)->GetEvent(2, 1), nullptr);
  EXPECT_EQ(Person(30)->EventCount(2), 0);
  EXPECT_EQ(Others(30), (std::vector<std::string>{"Death 1950"}));
  // Christening, death and burial; the marriages and sealings are not other events.
  auto john = Person(1);
  EXPECT_EQ(john->GetEventDateText(3), "11 Feb 1820");
  EXPECT_EQ(john->GetEventDateText(2), "28 Nov 1890");
  EXPECT_EQ(john->GetEventDateText(4), "2 Dec 1890");
  EXPECT_EQ(john->EventCount(1), 1);
  EXPECT_EQ(john->GetEvent(1, 1)->GetTypeName(), "");
  EXPECT_EQ(Others(1), (std::vector<std::string>{"Occupation 1851", "Census 30 Mar 1851"}));
  // Free-text and range dates.
  EXPECT_EQ(Person(40)->GetEventDateText(2), "in the spring");
  EXPECT_EQ(Person(40)->GetEventDateText(4), "Bet 1900 and 1910");
}

TEST_F(TMGRecords, LDSOrdinancesAreNamedByTheirOwnTagTypes) {
  auto leah = Person(31);
  auto baptism = leah->GetLDSEvent(7);
  ASSERT_NE(baptism, nullptr);
  EXPECT_EQ(baptism->GetTypeName(), "LDS Baptism");
  EXPECT_EQ(baptism->GetDateText(), "4 Aug 1900");
  EXPECT_EQ(baptism->GetSortDateText(), "4 Aug 1900");
  EXPECT_EQ(leah->GetLDSEvent(8)->GetTypeName(), "Endowment");
  EXPECT_EQ(leah->GetLDSEvent(9)->GetTypeName(), "SealChild");
  EXPECT_EQ(leah->GetLDSEvent(9)->GetDateText(), "Aft Jan 1902");
  EXPECT_EQ(leah->GetLDSEvent(6), nullptr);
  EXPECT_EQ(Person(1)->GetLDSEvent(7), nullptr);
}

TEST_F(TMGRecords, FamiliesOfEveryPass) {
  // Marriage events: John married twice; Robert (first principal) and Sarah.
  EXPECT_EQ(SpouseFamilies(1), (std::vector<std::string>{"1+2: 3 4 5", "1+6: 7"}));
  EXPECT_EQ(SpouseFamilies(4), (std::vector<std::string>{"27+4:"}));
  // The wife as first principal still becomes the wife.
  EXPECT_EQ(SpouseFamilies(32), (std::vector<std::string>{"7+32: 31"}));
  // One couple, two marriage-like events: two families; the children join the first.
  EXPECT_EQ(SpouseFamilies(5), (std::vector<std::string>{"5+25:", "5+25: 26"}));
  // A couple known from the children's father and mother fields: they gain the family when a
  // child joins it; a couple whose only child has no relationship rows does not.
  EXPECT_EQ(SpouseFamilies(8), (std::vector<std::string>{"8+9: 10"}));
  EXPECT_EQ(Person(13)->SpouseFamilyCount(), 0);
  EXPECT_EQ(Person(15)->ParentFamilyCount(), 0);
  EXPECT_EQ(Person(12)->ParentFamilyCount(), 0);
  // Single parents: one family shared by all of the father's children.
  EXPECT_EQ(SpouseFamilies(16), (std::vector<std::string>{"16+0: 18 17"}));
  EXPECT_EQ(SpouseFamilies(19), (std::vector<std::string>{"0+19: 20"}));
  // Children in birth order (SortChildren is on).
  EXPECT_EQ(SpouseFamilies(3), (std::vector<std::string>{"3+21: 23 24 22"}));
  // The family record.
  auto family = (*family_)->GetFamily(1);
  EXPECT_FALSE(family->IsSynthesized());
  EXPECT_EQ(family->GetDatePlaceText(), "19 May 1845, St Mary's Church, Whitby, Yorkshire, England");
  EXPECT_EQ(family->SpouseCount(), 2);
  EXPECT_EQ(family->SealingCount(), 1);
  EXPECT_EQ(family->GetSealing(1)->GetTypeName(), "SealSpouse");
  EXPECT_EQ(family->GetSealing(2), nullptr);
  auto single = (*family_)->GetFamily(Person(16)->GetSpouseFamily(1));
  EXPECT_TRUE(single->IsSynthesized());
  EXPECT_EQ(single->SpouseCount(), 1);
  EXPECT_EQ(single->GetDate(), nullptr);
  EXPECT_EQ(single->GetNote(), nullptr);
}

TEST_F(TMGRecords, ChildrenAreNamedByTheirRelationshipTypes) {
  auto relation = [&](int child, bool father) {
    RecNo family = 0;
    int mother_code = 0, father_code = 0;
    EXPECT_TRUE(Person(child)->GetParentFamilyLink(1, family, mother_code, father_code));
    const int code = father ? father_code : mother_code;
    return (*family_)->GetRelationName(code) + " / " +
           (*family_)->GetChildRelationName(code, Person(child)->GetSex());
  };
  EXPECT_EQ(relation(22, true), "Father-Adopted / Dau-Adopted");
  EXPECT_EQ(relation(22, false), "Mother-Adopted / Dau-Adopted");
  EXPECT_EQ(relation(23, true), "Father-Step / Son-Step");
  EXPECT_EQ(relation(23, false), "Mother-Biological / Son-Biological");
  // A parent type without a hyphen gives the child no name.
  EXPECT_EQ(relation(26, true), "Father / ");
  // A single mother's child: no father type.
  RecNo family = 0;
  int mother_code = 0, father_code = 0;
  ASSERT_TRUE(Person(20)->GetParentFamilyLink(1, family, mother_code, father_code));
  EXPECT_EQ(father_code, 0);
  EXPECT_EQ(mother_code, W::kMotherBiological);
  // The other parent group and other types; unknown codes.
  EXPECT_EQ((*family_)->GetChildRelationName(W::kParentFoster, 'U'), "Child-Foster");
  EXPECT_EQ((*family_)->GetChildRelationName(W::kParentFoster, 'f'), "Dau-Foster");
  EXPECT_EQ((*family_)->GetChildRelationName(W::kOccupation, 'M'), "Occupation");
  EXPECT_EQ((*family_)->GetRelationName(0), "");
  EXPECT_EQ((*family_)->GetRelationName(9999), "");
}

TEST_F(TMGRecords, PlacesJoinTheirPartsAndDropTheMarkOfHiddenParts) {
  EXPECT_EQ(Person(28)->GetEventPlaceText(1), "Smithville, Ohio");
  EXPECT_EQ((*family_)->PlaceText(1), "Whitby, Yorkshire, England");
  EXPECT_EQ((*family_)->PlaceText(5), "12 Park Row, Leeds, Yorkshire, England, LS1 5HD, 53.8N 1.5W");
  EXPECT_EQ((*family_)->PlaceText(6), "");
  EXPECT_EQ((*family_)->PlaceText(0), "");
  EXPECT_EQ((*family_)->PlaceText(99), "");
  EXPECT_EQ((*family_)->PlacePart(5, 1), " 12 Park Row ");
  EXPECT_EQ((*family_)->PlacePart(5, 10), "");
  EXPECT_EQ((*family_)->MakePlace(0), nullptr);
}

TEST_F(TMGRecords, WitnessesAreOthersEventsOnly) {
  auto robert = Person(27);
  ASSERT_EQ(robert->WitnessCount(), 1);
  auto w = robert->GetWitness(1);
  EXPECT_EQ(w->GetDescription(),
            "Marriage: John /Ashdown/ [1], Mary /Baker/ [2], St Mary's Church, Whitby, Yorkshire, England");
  EXPECT_EQ(w->GetDateText(), "19 May 1845");
  EXPECT_EQ(w->GetPrincipal(), 1);
  EXPECT_EQ(w->GetSecondPrincipal(), 2);
  EXPECT_EQ(robert->GetWitness(2), nullptr);
  // The principals' own rows (flagged primary, or naming an event of their own) are no
  // witnesses.
  EXPECT_EQ(Person(1)->WitnessCount(), 0);
  EXPECT_EQ(Person(3)->WitnessCount(), 0);
  EXPECT_EQ(Person(2)->WitnessCount(), 1);
  EXPECT_EQ(Person(37)->GetWitness(1)->GetDescription(),
            "Census: John /Ashdown/ [1], Whitby, Yorkshire, England");
}

TEST_F(TMGRecords, SourcesSummariseThroughTheirFootnoteForms) {
  auto own = (*family_)->GetSource(1);
  EXPECT_EQ(own->GetSummary(), "Whitby Parish, Parish Register of St Mary (Parish Office, 1850)");
  EXPECT_EQ(own->GetAuthor(), "Whitby Parish");
  EXPECT_EQ(own->GetPublication(), "Parish Office");
  EXPECT_EQ(own->GetTitle(), "Parish Register of St Mary, Whitby");
  EXPECT_EQ(own->GetAbbreviation(), "St Mary PR");
  EXPECT_TRUE(own->HasText());
  EXPECT_EQ(WABSNote::TextOf(own->GetText().get()), "Baptisms, marriages\r\nand burials of the parish.");
  EXPECT_EQ(WABSNote::TextOf(own->GetDisplayNote().get()), own->GetSummary());
  EXPECT_FALSE(own->HasNote());
  EXPECT_FALSE(own->HasRepository());
  // No footnote form of its own: its source type's.
  EXPECT_EQ((*family_)->GetSource(2)->GetSummary(), "1851 Census: Whitby household");
  // Neither: no summary.
  auto bible = (*family_)->GetSource(3);
  EXPECT_EQ(bible->GetSummary(), "");
  EXPECT_EQ(bible->GetDisplayNote(), nullptr);
  EXPECT_EQ(bible->GetAuthor(), "");
}

TEST_F(TMGRecords, CitationsOfNamesEventsAndFamilies) {
  auto william = Person(3)->GetEvent(1, 1);
  ASSERT_EQ(william->CitationCount(), 2);
  EXPECT_EQ(
      william->GetCitationsText(),
      "1) page 12, Whitby Parish, Parish Register of St Mary (Parish Office, 1850)\r\n\r\n2) 1851 Census: "
      "Whitby household");
  EXPECT_EQ(Person(1)->GetName()->CitationCount(), 1);
  // The cited source has no summary (no footnote form): the citation text ends at its comma.
  EXPECT_EQ(Person(1)->GetName()->GetCitationsText(), "1) inside cover, ");
  // A citation of a source the project lacks has no source.
  auto family = (*family_)->GetFamily(Person(3)->GetSpouseFamily(1));
  ASSERT_EQ(family->CitationCount(), 1);
  EXPECT_EQ(family->GetCitation(1)->GetSource(), nullptr);
  EXPECT_EQ(family->GetCitation(2), nullptr);
}

TEST_F(TMGRecords, NotesKeepTheirEmptyLines) {
  Settings().SetBool(WSettings::TMGTagSent, false);
  auto family = (*family_)->GetFamily(1);
  EXPECT_EQ(family->GetNoteText(), "by banns\r\n\r\nwitnessed");
  auto burial = Person(1)->GetEvent(4, 1);
  EXPECT_TRUE(burial->HasNote());
  EXPECT_EQ(burial->GetNoteText(), "Buried beside his first wife.");
  EXPECT_FALSE(Person(1)->GetEvent(1, 1)->HasNote());
  EXPECT_EQ(Person(3)->GetEvent(6, 1)->GetNoteText(), "Called Bill\r\nby his friends.");
}

TEST_F(TMGRecords, TheProjectSummaryCountsEveryTable) {
  int count = 0;
  GenHeaderRecs rows;
  (*family_)->GetHeaderInfo(count, rows);
  ASSERT_EQ(count, 11);
  EXPECT_EQ(rows[0].label, "File Type");
  EXPECT_EQ(rows[0].value, "The Master Genealogist");
  EXPECT_EQ(rows[1].value, "4.0d");
  EXPECT_EQ(rows[2].value, "Records\tAvg/Per\tFile Size");
  EXPECT_EQ(rows[2].tab_stops, "60,120,180");
  EXPECT_EQ(rows[3].label, "People file");
  EXPECT_EQ(rows[3].value.substr(0, 5), "40\t-\t");
  EXPECT_EQ(rows[4].label, "Names file");
  EXPECT_EQ(rows[4].value.substr(0, 8), "44\t1.10\t");
  EXPECT_EQ(rows[10].label, "Sources file");
}

TEST(TMGProjects, SummaryOfAProjectWithoutPeopleDividesByNothing) {
  OpenedProject empty(EmptyProject());
  ASSERT_TRUE(empty.imported());
  EXPECT_EQ(empty->IndividualCount(), 0);
  int count = 0;
  GenHeaderRecs rows;
  empty->GetHeaderInfo(count, rows);
  ASSERT_EQ(count, 11);
  EXPECT_EQ(rows[4].value.substr(0, 7), "0\t0.00\t");
  EXPECT_EQ(empty->GetIndividual(1), nullptr);
  EXPECT_EQ(empty->GetFamily(1), nullptr);
}

TEST(TMGProjects, EngagementsMakeFamiliesOnlyWhenAsked) {
  SettingsGuard settings;
  {
    OpenedProject off(FamilyProject());
    EXPECT_EQ(off->GetIndividual(off.Pos(38))->SpouseFamilyCount(), 0);
  }
  Settings().SetBool(WSettings::TMGEngage, true);
  OpenedProject on(FamilyProject());
  EXPECT_EQ(on->FamilyCount(), 13);
  auto xena = on->GetIndividual(on.Pos(38));
  ASSERT_EQ(xena->SpouseFamilyCount(), 1);
  // Xena is the first principal but a woman: Yuri is the husband.
  auto family = on->GetFamily(xena->GetSpouseFamily(1));
  EXPECT_EQ(family->GetHusband(), on.Pos(39));
  EXPECT_EQ(family->GetWife(), on.Pos(38));
}

// A project of three people and the rows a test adds.
TMGWriter Three() {
  TMGWriter w;
  w.AddStandardTypes();
  for (int id : {1, 2, 3}) {
    W::Person p;
    p.id = id;
    p.sex = id == 2 ? "F" : "M";
    w.people.push_back(p);
    w.AddName(id, id, W::NameMemo("Person", "P" + std::to_string(id)));
  }
  return w;
}

// Children follow their births by year, month and day whatever the qualifier; children without
// a usable birth date come first.
TEST(TMGProjects, ChildrenAreOrderedByBirthWhateverTheQualifier) {
  TMGWriter w = Three();
  w.AddEvent(1, W::kMarriage, 1, 2, W::Date(1830));
  const struct {
    int id;
    std::string birth;
  } children[] = {
      {4, W::Date(1835, 0, 0, '2')},        // Abt 1835
      {5, W::Date(1833, 8, 14)},            // 14 Aug 1833
      {6, ""},                              // no birth
      {7, W::TextDate("in the spring")},    // a text date is no usable date
      {8, W::Date(1834, 0, 0, '0')},        // Bef 1834
      {9, W::Date(1836, 0, 0, '5', 1840)},  // Bet 1836 and 1840
      {10, W::Date(1833, 8, 15, '1')},      // Say 15 Aug 1833
      {11, W::Date(1833, 9, 0, '4')},       // Aft Sep 1833
  };
  for (const auto& c : children) {
    W::Person p;
    p.id = c.id;
    p.birth = c.birth;
    w.people.push_back(p);
    w.AddName(c.id, c.id, W::NameMemo("Person", "P" + std::to_string(c.id)));
    w.relationships.push_back({c.id, 1, W::kFatherBiological});
    w.relationships.push_back({c.id, 2, W::kMotherBiological});
  }
  OpenedProject p(w);
  ASSERT_TRUE(p.imported());
  ASSERT_EQ(p->FamilyCount(), 1);
  auto family = p->GetFamily(1);
  family->OrderChildren();
  ASSERT_EQ(family->ChildCount(), 8);
  std::vector<std::string> order;
  for (int i = 1; i <= 8; ++i) order.push_back(p->GetIndividual(family->GetChild(i))->GetID());
  std::sort(order.begin(), order.begin() + 2);  // the two undated children, in either order
  EXPECT_EQ(order, (std::vector<std::string>{"6", "7", "5", "10", "11", "8", "4", "9"}));
}

TEST(TMGProjects, FamiliesOfNobodyAreNotMade) {
  TMGWriter w = Three();
  // A marriage of two people the project lacks, and father/mother fields naming nobody.
  w.AddEvent(1, W::kMarriage, 70, 71, W::Date(1900));
  w.people[2].father = 80;
  w.people[2].mother = 81;
  // A marriage of one missing and one present person still makes a family.
  w.AddEvent(2, W::kMarriage, 72, 2, W::Date(1901));
  OpenedProject p(w);
  ASSERT_TRUE(p.imported());
  ASSERT_EQ(p->FamilyCount(), 1);
  EXPECT_EQ(p->GetFamily(1)->GetWife(), 2);
  EXPECT_EQ(p->GetFamily(1)->GetHusband(), 0);
}

TEST(TMGProjects, ListsAreCappedWhereTheyAreWritten) {
  TMGWriter w = Three();
  // 150 sealings of one couple, 150 citations of one event, 150 father types.
  w.AddEvent(1, W::kMarriage, 1, 2, W::Date(1900));
  for (int i = 0; i < 150; ++i) w.AddEvent(100 + i, W::kSealSpouse, 1, 2, W::Date(1901 + i % 50));
  w.AddSource(1, 0, "", "", "Register");
  for (int i = 0; i < 150; ++i) w.AddCitation('E', 1, 1, "entry " + std::to_string(i));
  for (int i = 0; i < 150; ++i) w.AddTagType(1000 + i, "Father-Kind" + std::to_string(i), 2, "");
  w.relationships.push_back({3, 1, 1000 + 120});  // a type beyond the first hundred of its group
  w.relationships.push_back({3, 2, W::kMotherBiological});
  OpenedProject p(w);
  ASSERT_TRUE(p.imported());
  auto family = p->GetFamily(1);
  EXPECT_EQ(family->SealingCount(), 100);
  EXPECT_EQ(family->CitationCount(), 100);
  EXPECT_EQ(family->GetCitation(100)->GetNote()->Lines()[0], "entry 99");
  // The child's father link was not read (its type is not among the first hundred), so the
  // child joins a family of its mother alone.
  auto child = p->GetIndividual(3);
  ASSERT_EQ(child->ParentFamilyCount(), 1);
  EXPECT_EQ(p->GetFamily(child->GetParentFamily(1))->GetHusband(), 0);
}

TEST(TMGProjects, WitnessOfAnEventWithoutFirstPrincipalSkipsTheMissingName) {
  TMGWriter w = Three();
  w.AddPlace(1, "$!&$!&Leeds");
  w.AddEvent(1, W::kCensus, 99, 2, W::Date(1851), 1);
  w.AddEvent(2, W::kCensus, 99, 0, W::Date(1861));
  w.AddEvent(3, W::kCensus, 99, 0, W::Date(1871), 1);
  w.AddWitness(3, 1);
  w.AddWitness(3, 2);
  w.AddWitness(3, 3);
  w.AddWitness(3, 77);  // an event the project lacks
  OpenedProject p(w);
  auto witness = p->GetIndividual(3);
  ASSERT_EQ(witness->WitnessCount(), 4);
  EXPECT_EQ(witness->GetWitness(1)->GetDescription(), "Census: P2 /Person/ [2], Leeds");
  EXPECT_EQ(witness->GetWitness(1)->GetPrincipal(), 0);
  EXPECT_EQ(witness->GetWitness(2)->GetDescription(), "Census: ");
  EXPECT_EQ(witness->GetWitness(3)->GetDescription(), "Census: Leeds");
  EXPECT_EQ(witness->GetWitness(4)->GetDescription(), "");
  EXPECT_EQ(witness->GetWitness(4)->GetDateText(), "");
}

TEST(TMGProjects, FileNamesAreFoundWhateverTheirCase) {
  TMGWriter w = FamilyProject();
  w.upper_case_files = true;
  OpenedProject p(w);
  ASSERT_TRUE(p.imported());
  EXPECT_NE(p.path().find("FAMILY_.TMG"), std::string::npos);
  EXPECT_EQ(p->IndividualCount(), 40);
  EXPECT_EQ(p->GetIndividualName(1), "John /Ashdown/");
  EXPECT_EQ(p->GetSource(1)->GetTitle(), "Parish Register of St Mary, Whitby");
}

TEST(TMGProjects, LongProjectNamesUseTheirFirstSevenCharacters) {
  OpenedProject p(Three(), "threepeople.tmg");
  ASSERT_TRUE(p.imported());
  EXPECT_EQ(p->IndividualCount(), 3);
}

TEST(TMGProjects, CancellingTheImportStopsIt) {
  SetYieldHook([] { ImportCancelled = true; });
  TMGWriter w = FamilyProject();
  TempDir dir;
  WTMGCollection collection(w.Write(dir.path(), "family_.tmg"));
  EXPECT_FALSE(collection.Import());
  SetYieldHook(nullptr);
  ImportCancelled = false;
}

TEST(TMGProjects, CountsAnsweredDuringTheImportOnlyGrow) {
  TMGWriter w = FamilyProject();
  TempDir dir;
  WTMGCollection collection(w.Write(dir.path(), "family_.tmg"));
  int last_people = 0, last_families = 0, yields = 0;
  SetYieldHook([&] {
    ++yields;
    EXPECT_GE(collection.IndividualCount(), last_people);
    EXPECT_GE(collection.FamilyCount(), last_families);
    last_people = collection.IndividualCount();
    last_families = collection.FamilyCount();
    collection.SourceCount();
    collection.NoteCount();
  });
  EXPECT_TRUE(collection.Import());
  SetYieldHook(nullptr);
  EXPECT_GT(yields, 0);
}

}  // namespace
