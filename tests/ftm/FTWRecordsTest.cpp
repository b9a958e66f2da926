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

TEST(FTWDate, WordsWithBit13AreDateTextsOrNoDate) {
  // "Dead" and "Unknown" read as the date parser reads those texts, never as a month.
  for (const auto& [word, text] : {std::pair{ftw::kDeadWord, "Dead"}, std::pair{ftw::kUnknownWord, "Unknown"}}) {
    WFTWDate date(word);
    EXPECT_FALSE(WFTWDate::IsNone(word)) << text;
    EXPECT_EQ(date.GetDisplayText(), WDate(text).GetDisplayText()) << text;
    EXPECT_EQ(date.IsStandard(), WDate(text).IsStandard()) << text;
    EXPECT_EQ(date.Year(), 0) << text;
    EXPECT_EQ(date.Month(), 0) << text;
  }
  // Any other such word is no date, whatever else it holds.
  for (uint32_t word : {0x2002u, 0x2802u, DateWord(5, 10, 1900) | 0x2000u, DateWord(1, 1, 1800, 6) | 0x2000u}) {
    EXPECT_TRUE(WFTWDate::IsNone(word)) << word;
    EXPECT_FALSE(WFTWDate(word).IsValid()) << word;
  }
  // In a range of two years the bit belongs to the second year.
  EXPECT_FALSE(WFTWDate::IsNone(ftw::YearRangeWord(1779, 1781)));
  EXPECT_EQ(DateText(ftw::YearRangeWord(1779, 1781)), "Bet 1779 and 1781");
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
  // Every split of the text alone leaves the suffix empty.
  EXPECT_EQ(WFTWName("Robert Hale Jr").GetSuffix(), "");
  // A long run of suffixes ends without using the stack.
  std::string many = "Henry Tudor";
  for (int k = 0; k < 200000; ++k) many += " Jr";
  EXPECT_EQ(WFTWName(many).GetSurname(), "Tudor");
}

struct RangeCase {
  const char* text;
  int start, end;  // the surname's first and last character, as the record gives them
  const char* given;
  const char* surname;
  const char* suffix;
};

TEST(FTWName, TheRecordsSurnameRangeWinsWhereItFits) {
  const RangeCase cases[] = {
      {"Thomas Albert Stewart,Jr", 14, 20, "Thomas Albert", "Stewart", ",Jr"},
      {"Ian Mc Dowell", 4, 12, "Ian", "Mc Dowell", ""},
      {"Karel VAN DUKER Sr", 6, 14, "Karel", "VAN DUKER", "Sr"},
      {"Cher", 0, 3, "", "Cher", ""},
      // Where the range does not fit, the name splits as without it.
      {"Anna Maria \\Berg\\", 0, 3, "Anna Maria", "Berg", ""},  // backslashes decide
      {"Peter VanDuker", 9, 13, "Peter", "VanDuker", ""},         // not the start of a word
      {"Peter Smith", 6, 11, "Peter", "Smith", ""},               // beyond the text
      {"Peter Smith", 8, 7, "Peter", "Smith", ""},                // backwards
      {"Peter Smith Jr", 0, 0, "Peter Jr", "Smith", ""},          // no range
  };
  for (const RangeCase& c : cases) {
    WFTWName name(c.text, static_cast<uint16_t>(c.start | (c.end << 6)));
    EXPECT_EQ(name.GetGivenNames(), c.given) << c.text;
    EXPECT_EQ(name.GetSurname(), c.surname) << c.text;
    EXPECT_EQ(name.GetSuffix(), c.suffix) << c.text;
  }
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

// What the golden texts do not show: the bounds of the lookups, the record positions behind
// FindIndividual, and the answers for events and facts a person does not have.
TEST_F(FTWFamilyFile, LookupBounds) {
  EXPECT_EQ(C().GetIndividual(0), nullptr);
  EXPECT_EQ(C().GetIndividual(44), nullptr);
  EXPECT_NE(C().GetIndividual(43), nullptr);
  EXPECT_EQ(C().GetFamily(0), nullptr);
  EXPECT_NE(C().GetFamily(17), nullptr);
  EXPECT_EQ(C().GetFamily(18), nullptr);  // no family beyond the count
  EXPECT_EQ(C().GetSource(6), nullptr);
  ASSERT_NE(C().GetSource(0), nullptr);
  EXPECT_EQ(C().GetSource(0)->GetTitle(), "");
  EXPECT_EQ(C().GetNote(1), nullptr);
  EXPECT_EQ(C().ReadNote(0), "");
  EXPECT_EQ(C().ReadNote(5), "");
  auto josiah = Person(1);
  EXPECT_EQ(josiah->GetEvent(evBaptism, 1), nullptr);
  EXPECT_EQ(josiah->GetEvent(evOther, 0), nullptr);
  EXPECT_EQ(josiah->GetEvent(evOther, 3), nullptr);
  EXPECT_EQ(josiah->GetLDSEvent(evLDSBaptism), nullptr);
  EXPECT_EQ(josiah->GetCitation(0), nullptr);
  EXPECT_EQ(josiah->GetCitation(3), nullptr);
  EXPECT_EQ(C().GetFamily(1)->GetCitation(2), nullptr);
  // A christening or burial counts only when the person has the fact.
  auto ruth = Person(7);
  EXPECT_EQ(ruth->EventCount(evChristening), 1);
  EXPECT_EQ(ruth->EventCount(evBurial), 0);
  EXPECT_EQ(ruth->GetEvent(evBurial, 1), nullptr);
}

TEST_F(FTWFamilyFile, FindIndividualTakesARecordPosition) {
  // Person 4 stands at position 4; position 5 is empty, so person 5 stands at position 6.
  EXPECT_EQ(C().FindIndividual("4"), 4);
  EXPECT_EQ(C().FindIndividual(" 4 "), 4);
  EXPECT_EQ(C().FindIndividual("5"), 0);
  EXPECT_EQ(C().FindIndividual("6"), 5);
  EXPECT_EQ(Person(5)->GetID(), "5");
  EXPECT_EQ(C().FindIndividual("41"), 39);
  EXPECT_EQ(C().FindIndividual("42"), 40);
  EXPECT_EQ(C().FindIndividual("46"), 0);
  EXPECT_EQ(C().FindIndividual("0"), 0);
  EXPECT_EQ(C().FindIndividual("x1"), 0);
  EXPECT_EQ(C().FindIndividual(""), 0);
  EXPECT_EQ(C().FindIndividual("99999999999"), 0);
}

TEST_F(FTWFamilyFile, FactNamesAndTheOrderOfOtherEvents) {
  // The first fact-name record has key 0 and the text "Christening": it names no fact.
  EXPECT_EQ(C().FactKeyByName("Christening"), C().NamedFactKey(WFTWCollection::nfChristening));
  EXPECT_NE(C().NamedFactKey(WFTWCollection::nfChristening), 0);
  EXPECT_EQ(C().FactName(C().NamedFactKey(WFTWCollection::nfBurial)), "Burial");
  EXPECT_EQ(C().FactName(0), "");
  EXPECT_EQ(C().FactKeyByName("Nothing"), 0);

  // A named fact's place in the table goes to the last entry.
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

TEST_F(FTWFamilyFile, KeywordDatesOnEventsFactsAndFamilies) {
  auto stewart = Person(40);
  ASSERT_NE(stewart, nullptr);
  EXPECT_EQ(stewart->GetEvent(evBirth, 1)->GetDateText(), WDate("Unknown").GetDisplayText());
  EXPECT_EQ(stewart->GetEvent(evDeath, 1)->GetDateText(), WDate("Dead").GetDisplayText());
  ASSERT_EQ(stewart->EventCount(evOther), 2);
  auto clerk = stewart->GetEvent(evOther, 1);
  EXPECT_EQ(clerk->GetPlaceText(), "Clerk");
  EXPECT_EQ(clerk->GetDate(), nullptr);  // a keyword word without a text is no date
  EXPECT_EQ(stewart->GetEvent(evOther, 2)->GetDateText(), WDate("Unknown").GetDisplayText());
  EXPECT_EQ(C().GetFamily(17)->GetDateText(), WDate("Unknown").GetDisplayText());
  auto name = stewart->GetName();
  EXPECT_EQ(name->GetGivenNames(), "Thomas Albert");
  EXPECT_EQ(name->GetSurname(), "Stewart");
  EXPECT_EQ(name->GetSuffix(), ",Jr");
}

TEST_F(FTWFamilyFile, FactsOfTheRecordsOwnSlot) {
  // Its fact reference names a slot without a fact list: the facts stand in the slot at 28.
  auto ian = Person(41);
  ASSERT_NE(ian, nullptr);
  EXPECT_EQ(ian->GetName()->GetSurname(), "Mc Dowell");
  EXPECT_EQ(OtherEventTypes(*ian), (std::vector<std::string>{"Fact 1", "Fact 3"}));
  auto farmer = ian->GetEvent(evOther, 1);
  EXPECT_EQ(farmer->GetDateText(), "1850");
  EXPECT_EQ(farmer->GetPlaceText(), "Farmer");
  auto third = ian->GetEvent(evOther, 2);
  EXPECT_EQ(third->GetDateText(), WDate("Dead").GetDisplayText());
  EXPECT_EQ(third->GetPlaceText(), "Paisley");
  EXPECT_EQ(ian->GetEvent(evOther, 3), nullptr);
  EXPECT_EQ(ian->EventCount(evChristening), 0);
  // A person with a fact list does not look there.
  EXPECT_EQ(OtherEventTypes(*Person(40)), (std::vector<std::string>{"Occupation", "Residence"}));
}

TEST_F(FTWFamilyFile, ListedChildrenComeFirstInTheirOrder) {
  // Positions as the family records list them; the other children follow by number.
  auto positions = [&](RecNo f) {
    auto family = C().GetFamily(f);
    family->OrderChildren();
    std::vector<RecNo> children;
    for (int i = 1; i <= family->ChildCount(); ++i) children.push_back(family->GetChild(i));
    return children;
  };
  auto at = [&](const char* position) { return C().FindIndividual(position); };
  EXPECT_EQ(positions(2), (std::vector<RecNo>{at("11"), at("9"), at("39"), at("10"), at("31")}));
  EXPECT_EQ(positions(17), (std::vector<RecNo>{at("45"), at("43"), at("44")}));
  // A family without a list keeps the order of numbers.
  EXPECT_EQ(positions(6), (std::vector<RecNo>{at("28"), at("29"), at("30")}));
}

TEST_F(FTWFamilyFile, SubmitterComesFromTheEighthSlotOfItsChain) {
  // The information chain's tenth block names the first slot of a chain; a name key stands
  // in that slot where the first field key would, but the submitter's five slots begin seven
  // links further on.
  auto submitter = C().GetSubmitter();
  ASSERT_NE(submitter, nullptr);
  EXPECT_EQ(submitter->GetName(), "Eliza M. Ashford");
  EXPECT_EQ(submitter->GetEmail(), "eliza.ashford@example.org");  // its value in the fifth slot
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

TEST(FTWRecords, TheExtensionFileNeedsItsExtensionPages) {
  // Its golden texts show what it holds; here, that the fixture lies where only the pages
  // listed in the extension chain reach.
  const ftw::Image image = ftw::Write(ftw_fixtures::ExtensionFixture());
  ASSERT_EQ(image.chains.at("extension").size(), 1u);
  EXPECT_GT(image.chains.at("pages").size(), 109u);
  for (const char* table : {"slots", "individuals", "information", "sources"})
    EXPECT_GT(image.chains.at(table).front(), 109 * 128) << table;
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
