// What the Family Tree Maker reader answers: date words, names, texts, facts, families,
// citations, the submitter, the header rows and the lookups, on files of the test writer.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FTWFixtures.h"
#include "FTWTestFile.h"
#include "formats/ftm/FTWDate.h"
#include "formats/ftm/FTWName.h"
#include "formats/ftm/FTWText.h"
#include "model/ABSCitation.h"
#include "model/ABSIndividual.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSMarriage.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"
#include "model/ABSRepo.h"
#include "model/ABSSource.h"
#include "model/ABSSubmitter.h"
#include "model/ABSVitEvent.h"

namespace {

using ftw::DateWord;

std::string DateText(uint32_t first, uint32_t second = 0) { return WFTWDate(first, second).GetDisplayText(); }

TEST(FTWDate, QualifiersRangesAndOldStyleYears) {
  EXPECT_EQ(DateText(ftw::YearRangeWord(1850, 1860)), "Bet 1850 and 1860");
  EXPECT_EQ(DateText(ftw::EstimatedWord(1790)), "Est 1790");
  EXPECT_EQ(DateText(DateWord(1, 1, 1800, 6), DateWord(31, 12, 1801)), "Bet 1 Jan 1800 and 31 Dec 1801");
  EXPECT_EQ(DateText(DateWord(0, 0, 1900, 0)), "Bef 1900");
  EXPECT_EQ(DateText(DateWord(0, 6, 1900, 1)), "Abt Jun 1900");
  EXPECT_EQ(DateText(DateWord(3, 0, 1900, 3)), "Aft 3 1900");
  EXPECT_EQ(DateText(DateWord(9, 9, 1909, 7)), "9 Sep 1909");
  // Before 1753 the year began on 25 March.
  EXPECT_EQ(DateText(DateWord(10, 2, 1700)), "10 Feb 1699/1700");
  EXPECT_EQ(DateText(DateWord(24, 3, 1700)), "24 Mar 1699/1700");
  EXPECT_EQ(DateText(DateWord(25, 3, 1700)), "25 Mar 1700");
  EXPECT_EQ(DateText(DateWord(0, 1, 1752)), "Jan 1751/1752");
  EXPECT_EQ(DateText(DateWord(1, 1, 1753)), "1 Jan 1753");
  EXPECT_EQ(DateText(DateWord(0, 0, 1700)), "1700");
  EXPECT_EQ(DateText(DateWord(1, 2, 1700, 0)), "Bef 1 Feb 1699/1700");

  WFTWDate old_style(DateWord(10, 2, 1700));
  EXPECT_TRUE(old_style.IsValid());
  EXPECT_TRUE(old_style.IsStandard());
  EXPECT_EQ(old_style.Year(), 1699);
  EXPECT_TRUE(old_style.SecondDate().hasDate);
  EXPECT_EQ(old_style.SecondDate().year, 1700);
  EXPECT_EQ(old_style.GetText(), "10 Feb 1699/1700");
  // A month or day out of range from a damaged word is dropped.
  EXPECT_EQ(DateText((15u << 9) | (2u << 3) | 2u | (1900u << 16)), "2 1900");

  EXPECT_TRUE(WFTWDate::IsNone(0));
  EXPECT_TRUE(WFTWDate::IsNone(2));
  EXPECT_FALSE(WFTWDate::IsNone(DateWord(0, 0, 1900, 2)));
}

struct NameCase {
  const char* text;
  const char* given;
  const char* surname;
};

TEST(FTWName, SplitsEveryForm) {
  const NameCase cases[] = {
      {"Cher", "", "Cher"},
      {"John Robert Smith", "John Robert", "Smith"},
      {"Robert Hale Jr", "Robert Jr", "Hale"},
      {"Mary Ellen \\Whitcombe\\", "Mary Ellen", "Whitcombe"},
      {"  Mary  \\Van Dyke\\ the elder", "Mary", "Van Dyke"},
      {"Thomas \\Ashford,\\", "Thomas", "Ashford"},
      {"Edward Blythe,", "Edward", "Blythe"},
      {"Samuel Whitby M.D.", "Samuel M.D.", "Whitby"},
      {"Henry Tudor viii", "Henry viii", "Tudor"},
      {"Hugh Pell III Jr.", "Hugh III Jr.", "Pell"},
      {"Rev. Jonas Clarke", "Rev. Jonas", "Clarke"},
      {"Dr Ward", "Dr", "Ward"},
      {"Anne \\Boleyn\\ Sr", "Anne", "Boleyn"},
      {"John Smith\\", "John", "Smith\\"},
      {"John Smithson Sr.X", "John Smithson", "Sr.X"},
      {"", "", ""},
  };
  for (const NameCase& c : cases) {
    WFTWName name{std::string(c.text)};
    EXPECT_EQ(name.GetGivenNames(), c.given) << c.text;
    EXPECT_EQ(name.GetSurname(), c.surname) << c.text;
  }
  // A long run of suffixes ends without using the stack.
  std::string many = "Henry Tudor";
  for (int k = 0; k < 200000; ++k) many += " Jr";
  EXPECT_EQ(WFTWName(many).GetSurname(), "Tudor");
}

TEST(FTWText, ConvertsToWindows1252) {
  EXPECT_EQ(WFTWText::ToAnsi(ftw::Utf16("Zo\xC3\xAB \xE2\x82\xAC 5")), "Zo\xEB \x80 5");
  EXPECT_EQ(WFTWText::ToAnsi(ftw::Utf16("\xC5\x81\xC3\xB3\xC4\x91\xC5\xBE")), "?\xF3?\x9E");
  // One character outside the basic plane is one "?"; a lone half is one too.
  EXPECT_EQ(WFTWText::ToAnsi(ftw::Utf16("a\xF0\x9F\x98\x81"
                                        "b")),
            "a?b");
  EXPECT_EQ(WFTWText::ToAnsi(std::string("\x3D\xD8"
                                         "b\0",
                                         4)),
            "?b");
  // The undefined bytes of the code page stand for the control characters of their value.
  EXPECT_EQ(WFTWText::ToAnsi(std::string("\x81\x00\x80\x00", 4)), "\x81?");
  // The text ends at its first unit 0; an odd last byte is no unit.
  EXPECT_EQ(WFTWText::ToAnsi(std::string("a\0b\0\0\0c\0", 8)), "ab");
  EXPECT_EQ(WFTWText::ToAnsi(std::string("a\0b", 3)), "a");
  EXPECT_EQ(WFTWText::FromAnsi("Zo\xEB \x80"), ftw::Utf16("Zo\xC3\xAB \xE2\x82\xAC"));
}

class FTWFamilyFile : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    image_ = new ftw::Image(ftw::Write(ftw_fixtures::FamilyFixture()));
    collection_ = OpenImage(*image_, *dir_).release();
  }
  static void TearDownTestSuite() {
    delete collection_;
    delete image_;
    delete dir_;
  }
  void SetUp() override { ASSERT_NE(collection_, nullptr); }

  WFTWCollection& C() { return *collection_; }
  std::unique_ptr<WABSIndividual> Person(RecNo n) { return collection_->GetIndividual(n); }
  static std::vector<std::string> OtherEventTypes(WABSIndividual& person) {
    std::vector<std::string> types;
    for (int i = 1; i <= person.EventCount(evOther); ++i)
      types.push_back(person.GetEvent(evOther, i)->GetTypeName());
    return types;
  }

  static TempDir* dir_;
  static ftw::Image* image_;
  static WFTWCollection* collection_;
};
TempDir* FTWFamilyFile::dir_ = nullptr;
ftw::Image* FTWFamilyFile::image_ = nullptr;
WFTWCollection* FTWFamilyFile::collection_ = nullptr;

TEST_F(FTWFamilyFile, CountsAndRecordBounds) {
  EXPECT_EQ(C().GetFileKind(), FileKind::FamilyTreeMaker);
  EXPECT_EQ(C().IndividualCount(), 39);
  EXPECT_EQ(C().FamilyCount(), 16);
  EXPECT_EQ(C().NoteCount(), 4);
  EXPECT_EQ(C().SourceCount(), 5);
  EXPECT_EQ(C().GetIndividual(0), nullptr);
  EXPECT_EQ(C().GetIndividual(40), nullptr);
  EXPECT_NE(C().GetIndividual(39), nullptr);
  EXPECT_EQ(C().GetFamily(0), nullptr);
  EXPECT_NE(C().GetFamily(16), nullptr);
  EXPECT_EQ(C().GetFamily(17), nullptr);  // no family beyond the count
  EXPECT_EQ(C().GetSource(6), nullptr);
  ASSERT_NE(C().GetSource(0), nullptr);
  EXPECT_EQ(C().GetSource(0)->GetTitle(), "");
  EXPECT_EQ(C().GetNote(1), nullptr);
  EXPECT_EQ(C().GetRepository(1), nullptr);
  EXPECT_EQ(C().GetVersionText(), "N/A");
  EXPECT_EQ(C().GetHeaderText(), "");
}

TEST_F(FTWFamilyFile, FindIndividualTakesARecordPosition) {
  // Person 4 stands at position 4; position 5 is empty, so person 5 stands at position 6.
  EXPECT_EQ(C().FindIndividual("4"), 4);
  EXPECT_EQ(C().FindIndividual(" 4 "), 4);
  EXPECT_EQ(C().FindIndividual("5"), 0);
  EXPECT_EQ(C().FindIndividual("6"), 5);
  EXPECT_EQ(Person(5)->GetID(), "5");
  EXPECT_EQ(C().FindIndividual("41"), 39);
  EXPECT_EQ(C().FindIndividual("42"), 0);
  EXPECT_EQ(C().FindIndividual("0"), 0);
  EXPECT_EQ(C().FindIndividual("x1"), 0);
  EXPECT_EQ(C().FindIndividual(""), 0);
  EXPECT_EQ(C().FindIndividual("99999999999"), 0);
}

TEST_F(FTWFamilyFile, NamedFactsLeaveTheFactTable) {
  // Facts Christening, Occupation, Residence, Education: the last takes the christening's place.
  auto ruth = Person(7);
  EXPECT_EQ(OtherEventTypes(*ruth), (std::vector<std::string>{"Education", "Occupation", "Residence"}));
  EXPECT_EQ(ruth->EventCount(evChristening), 1);
  EXPECT_EQ(ruth->GetEvent(evChristening, 1)->GetDateText(), "4 Apr 1735");
  EXPECT_EQ(ruth->EventCount(evBurial), 0);  // no burial fact, no burial
  EXPECT_EQ(ruth->GetEvent(evBurial, 1), nullptr);
  EXPECT_EQ(ruth->GetChangeDate(), nullptr);
  // Record Change last and first in the list.
  EXPECT_EQ(Person(1)->GetChangeDateText(), "12 Mar 2004");
  EXPECT_EQ(Person(2)->GetChangeDateText(), "2 Jan 2005");
  EXPECT_EQ(OtherEventTypes(*Person(1)), (std::vector<std::string>{"Emigration", "Occupation"}));
  // The christening is no fact-name record's key 0, whose text says "Christening" too.
  EXPECT_EQ(C().FactKeyByName("Christening"), C().NamedFactKey(WFTWCollection::nfChristening));
  EXPECT_NE(C().NamedFactKey(WFTWCollection::nfChristening), 0);
  EXPECT_EQ(C().FactName(C().NamedFactKey(WFTWCollection::nfBurial)), "Burial");
  EXPECT_EQ(C().FactName(0), "");
  EXPECT_EQ(C().FactKeyByName("Nothing"), 0);
}

TEST_F(FTWFamilyFile, OtherOrdersOfTheNamedFacts) {
  TempDir dir;
  ftw::Description d;
  auto fact = [](const char* name) { return ftw::Fact{name, DateWord(0, 0, 1900), 0, "", {}}; };
  ftw::Person a = ftw_fixtures::P("A \\B\\", 'M');
  a.facts = {fact("A"), fact("B"), fact("Christening"), fact("C")};
  ftw::Person b = ftw_fixtures::P("C \\D\\", 'F');
  b.facts = {fact("Christening"), fact("A"), fact("B"), fact("C")};
  d.people = {a, b};
  auto c = OpenDescription(d, dir);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(OtherEventTypes(*c->GetIndividual(1)), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(OtherEventTypes(*c->GetIndividual(2)), (std::vector<std::string>{"C", "A", "B"}));
}

TEST_F(FTWFamilyFile, VitalEventsAndOrdinances) {
  auto josiah = Person(1);
  auto birth = josiah->GetEvent(evBirth, 1);
  ASSERT_NE(birth, nullptr);
  EXPECT_EQ(birth->GetTypeName(), "Birth");
  EXPECT_EQ(birth->GetDateText(), "10 Feb 1699/1700");
  EXPECT_EQ(birth->GetPlaceText(), "Boston, Lincolnshire, England");
  EXPECT_EQ(birth->CitationCount(), 0);
  EXPECT_EQ(josiah->GetEvent(evBaptism, 1), nullptr);
  EXPECT_EQ(josiah->GetEvent(evOther, 0), nullptr);
  EXPECT_EQ(josiah->GetEvent(evOther, 3), nullptr);
  // A range of two full dates takes its second word from beside the fact list.
  EXPECT_EQ(Person(6)->GetEventDateText(evBirth), "Bet 1 Jan 1730 and 31 Dec 1731");
  // A place without a date is an event; 02 00 00 00 is no date.
  auto baby = Person(28);
  EXPECT_EQ(baby->EventCount(evDeath), 1);
  EXPECT_EQ(baby->GetEvent(evDeath, 1)->GetDate(), nullptr);
  EXPECT_EQ(baby->GetEventPlaceText(evDeath), "Montpelier");
  EXPECT_EQ(baby->EventCount(evBirth), 0);
  EXPECT_EQ(baby->GetSex(), 'U');
  EXPECT_EQ(Person(4)->GetSex(), 'F');  // flags 0xC0
  EXPECT_EQ(Person(5)->GetSex(), 'M');  // flags 0xA0

  auto edward = Person(26);
  auto baptism = edward->GetLDSEvent(evLDSBaptism);
  ASSERT_NE(baptism, nullptr);
  EXPECT_EQ(baptism->GetTypeName(), "Baptism (LDS)");
  EXPECT_EQ(baptism->GetDateText(), "1 Jun 1980");
  EXPECT_EQ(baptism->GetPlaceText(), "SLAKE");
  EXPECT_EQ(baptism->CitationCount(), 0);
  EXPECT_EQ(edward->GetLDSEvent(evEndowment)->GetPlaceText(), "LOGAN");
  EXPECT_EQ(edward->GetLDSEvent(evSealingToParents)->GetDateText(), "3 Aug 1982");
  EXPECT_EQ(edward->GetLDSEvent(evOther), nullptr);
  EXPECT_EQ(OtherEventTypes(*edward), (std::vector<std::string>{"Occupation"}));
  EXPECT_EQ(Person(1)->GetLDSEvent(evLDSBaptism), nullptr);

  // Ten facts over two fact lists, the burial taken out.
  auto george = Person(27);
  EXPECT_EQ(george->EventCount(evOther), 9);
  EXPECT_EQ(george->GetEventDateText(evBurial), "9 Oct 1850");
}

TEST_F(FTWFamilyFile, NotesCitationsAndSources) {
  EXPECT_EQ(Person(1)->GetNoteText(), "Josiah built ships at Salem for forty years.");
  const std::string long_note = Person(10)->GetNoteText();
  EXPECT_EQ(long_note, ftw_fixtures::LongNote());
  EXPECT_GT(long_note.size(), 4096u);
  EXPECT_EQ(Person(3)->GetNote(), nullptr);
  EXPECT_EQ(C().ReadNote(0), "");
  EXPECT_EQ(C().ReadNote(5), "");

  auto josiah = Person(1);
  ASSERT_EQ(josiah->CitationCount(), 2);
  auto first = josiah->GetCitation(1);
  EXPECT_EQ(first->GetDetail(), "folio 14, entry 3");
  EXPECT_EQ(first->GetNote(), nullptr);
  EXPECT_EQ(first->GetSource()->GetTitle(), "Parish Register of St Botolph");
  auto second = josiah->GetCitation(2);
  EXPECT_EQ(WABSNote::TextOf(second->GetNote().get()), "Entered in his own hand");
  EXPECT_EQ(second->GetSource()->GetNote()->GetText(""), "Held by the family in Vermont.");
  EXPECT_EQ(josiah->GetCitation(0), nullptr);
  EXPECT_EQ(josiah->GetCitation(3), nullptr);
  auto christening = josiah->GetEvent(evChristening, 1);
  ASSERT_EQ(christening->CitationCount(), 1);
  EXPECT_EQ(christening->GetCitation(1)->GetDetail(), "folio 14");

  auto source = C().GetSource(1);
  EXPECT_EQ(source->GetTitle(), "Parish Register of St Botolph");
  EXPECT_EQ(source->GetAuthor(), "Church of England");
  EXPECT_EQ(source->GetPublication(), "Boston, Lincolnshire, 1690-1760");
  EXPECT_EQ(source->GetCallNumber(), "PR 12/3");
  EXPECT_TRUE(source->HasNote());
  EXPECT_FALSE(C().GetSource(2)->HasNote());
  EXPECT_EQ(C().GetSource(2)->GetNote(), nullptr);
  EXPECT_EQ(source->GetAbbreviation(), "");
  EXPECT_FALSE(source->HasRepository());
}

TEST_F(FTWFamilyFile, Families) {
  auto first = C().GetFamily(1);
  EXPECT_EQ(first->GetHusband(), 1);
  EXPECT_EQ(first->GetWife(), 2);
  EXPECT_EQ(first->ChildCount(), 3);
  EXPECT_EQ(first->SpouseCount(), 2);
  EXPECT_EQ(first->GetDatePlaceText(), "5 Jun 1724, Salem, Essex, Massachusetts");
  EXPECT_EQ(first->GetNoteText(), "Married by the Reverend Nicholas Noyes.");
  ASSERT_EQ(first->CitationCount(), 1);
  EXPECT_EQ(first->GetCitation(1)->GetDetail(), "page 88");
  EXPECT_EQ(first->GetCitation(2), nullptr);
  EXPECT_EQ(first->SealingCount(), 0);
  // Nathaniel married twice; Henry six times, two of them in the spouse lists.
  auto nathaniel = Person(3);
  ASSERT_EQ(nathaniel->SpouseFamilyCount(), 2);
  EXPECT_EQ(C().GetFamily(nathaniel->GetSpouseFamily(2))->GetWife(), 7);
  EXPECT_EQ(Person(17)->SpouseFamilyCount(), 6);
  // A second parent family from the parent lists.
  EXPECT_EQ(Person(12)->ParentFamilyCount(), 2);
  // Husbands at an empty position and beyond the table; dates of none.
  auto absent = C().GetFamily(14);
  EXPECT_EQ(absent->GetHusband(), 0);
  EXPECT_EQ(absent->SpouseCount(), 1);
  auto beyond = C().GetFamily(15);
  EXPECT_EQ(beyond->GetHusband(), 0);
  EXPECT_EQ(beyond->GetDate(), nullptr);  // 02 00 00 00
  EXPECT_EQ(beyond->GetPlaceText(), "Concord");
  EXPECT_EQ(C().GetFamily(16)->GetDate(), nullptr);  // all zero
}

TEST_F(FTWFamilyFile, SubmitterComesFromTheEighthSlotOfItsChain) {
  // The chain's first slot holds a name key where the fields' first key would stand; the
  // submitter's fields begin seven links further.
  auto submitter = C().GetSubmitter();
  ASSERT_NE(submitter, nullptr);
  EXPECT_EQ(submitter->GetName(), "Eliza M. Ashford");
  EXPECT_EQ(submitter->GetAddressLine1(), "14 Elm Street");
  EXPECT_EQ(submitter->GetAddressLine2(), "Montpelier, Vermont");
  EXPECT_EQ(submitter->GetAddressLine3(), "Washington County VT 05602");
  EXPECT_EQ(submitter->GetCountry(), "USA");
  EXPECT_EQ(submitter->GetPhone(), "802-555-0147");
  EXPECT_EQ(submitter->GetEmail(), "eliza.ashford@example.org");  // its value in the fifth slot
  EXPECT_EQ(submitter->GetRecordText(), "");
}

TEST_F(FTWFamilyFile, HeaderRows) {
  int count = 0;
  auto rows = std::make_unique<GenHeaderRecs>();
  C().GetHeaderInfo(count, *rows);
  ASSERT_EQ(count, 3);
  EXPECT_EQ((*rows)[0].label, "File Type");
  EXPECT_EQ((*rows)[0].value, "Family Tree Maker");
  EXPECT_EQ((*rows)[1].label, "Blocks");
  EXPECT_EQ((*rows)[1].value, "1");
  EXPECT_EQ((*rows)[2].label, "Block Link");
  EXPECT_EQ((*rows)[2].value, "-2");
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ((*rows)[static_cast<size_t>(i)].heading, 0);
    EXPECT_EQ((*rows)[static_cast<size_t>(i)].tab_stops, "");
  }
}

TEST(FTWRecords, UnitWithLowByteZeroEndsTheName) {
  TempDir dir;
  ftw::Description d;
  d.people = {ftw_fixtures::P("Jan \\Kowal\xC4\x80ski\\", 'M')};  // U+0100 has the low byte 0
  auto c = OpenDescription(d, dir);
  ASSERT_NE(c, nullptr);
  auto name = c->GetIndividual(1)->GetName();
  EXPECT_EQ(name->GetGivenNames(), "Jan");
  EXPECT_EQ(name->GetSurname(), "\\Kowal");
}

TEST(FTWRecords, ManySourcesAndAnExtensionChain) {
  TempDir dir;
  const ftw::Image image = ftw::Write(ftw_fixtures::ExtensionFixture());
  ASSERT_EQ(image.chains.at("extension").size(), 1u);
  EXPECT_GT(image.chains.at("pages").size(), 109u);
  // Every table lies beyond the blocks the header's pages describe.
  EXPECT_GT(image.chains.at("slots").front(), 109 * 128);
  auto c = OpenImage(image, dir);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->IndividualCount(), 12);
  EXPECT_EQ(c->SourceCount(), 300);
  EXPECT_EQ(c->GetSource(300)->GetTitle(), "Register volume 300");
  EXPECT_EQ(c->GetIndividual(12)->GetGivenNamesText(), "Child10");
  int count = 0;
  auto rows = std::make_unique<GenHeaderRecs>();
  c->GetHeaderInfo(count, *rows);
  ASSERT_EQ(count, 4);
  EXPECT_EQ((*rows)[1].value, std::to_string(image.chains.at("pages").size()));
  EXPECT_EQ((*rows)[2].value, std::to_string(image.chains.at("extension")[0]));
  EXPECT_EQ((*rows)[3].label, "1");
  EXPECT_EQ((*rows)[3].value, std::to_string(image.chains.at("extension")[0]));
}

TEST(FTWRecords, CitationItemsAreCappedAndACutItemKeepsWhatItRead) {
  TempDir dir;
  ftw::Description d;
  d.sources = {{"Only source", "", "", "", "", "", ""}};
  ftw::Person p = ftw_fixtures::P("A \\B\\", 'M');
  for (int k = 0; k < 600; ++k) p.citations.push_back({"n", "d" + std::to_string(k), 1});
  d.people = {p};
  ftw::Image image = ftw::Write(d);
  auto c = OpenImage(image, dir);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->GetIndividual(1)->CitationCount(), WFTWCollection::kMaxCitations);

  // Cut the text inside the second item's source number: an item is "n", a unit 0, "d1", a
  // unit 0, eight bytes of number and four more (22 bytes), so the second's number begins
  // at byte 32.
  std::vector<CitationRec> items;
  const int text = image.people[0].citation_text;
  image.PutI32(image.SlotOffset(text) + 4, 36);
  TempDir cut_dir;
  auto cut = OpenImage(image, cut_dir);
  ASSERT_NE(cut, nullptr);
  ASSERT_EQ(cut->ReadCitations(text, items), 2);
  EXPECT_EQ(items[0].detail, "d0");
  EXPECT_GT(items[0].source, 0);
  EXPECT_EQ(items[1].note, "n");
  EXPECT_EQ(items[1].detail, "d1");
  EXPECT_EQ(items[1].source, 0);
}

}  // namespace
