// RootsMagic records read through the model: the rules of chosen events, status words,
// temples, dates, names, families, sources and citations, and what happens with missing or
// damaged parts of a file set.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "base/Date.h"
#include "base/Errors.h"
#include "base/UIHooks.h"
#include "formats/Readers.h"
#include "formats/rm3/RM3Collection.h"
#include "formats/rm3/RM3Date.h"
#include "formats/rm3/RM3TabE.h"
#include "formats/rm3/RM3TabI.h"
#include "formats/rm3/RM3TabS.h"
#include "formats/rm3/RM3Temples.h"
#include "model/ABSAddress.h"
#include "model/ABSCitation.h"
#include "model/ABSIndividual.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSMarriage.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"
#include "model/ABSRepo.h"
#include "model/ABSSource.h"
#include "model/ABSSubmitter.h"
#include "model/ABSVitEvent.h"
#include "support/RM3Writer.h"
#include "support/TempDir.h"

namespace {

class RM3Records : public testing::Test {
 protected:
  void SetUp() override { ImportCancelled = false; }
  void TearDown() override {
    SetYieldHook(nullptr);
    ImportCancelled = false;
  }

  // Writes the set and imports it.
  WRM3Collection& Open(const RM3Writer& writer, const RM3Writer::Options& options = {}) {
    collection_ = std::make_unique<WRM3Collection>(writer.Write(dir_.path(), "family", options));
    EXPECT_TRUE(collection_->Import());
    collection_->BuildLinks();
    return *collection_;
  }
  // The individual whose PersonID is id.
  std::unique_ptr<WABSIndividual> Person(int id) {
    return collection_->GetIndividual(collection_->FindIndividual(std::to_string(id)));
  }

  TempDir dir_;
  std::unique_ptr<WRM3Collection> collection_;
};

std::string DateText(const WDate* date) { return date ? date->GetDisplayText() : "<none>"; }

TEST(RM3Date, FormsOfTheStoredText) {
  // 22 characters: era, first date, qualifier, second date.
  WRM3Date after(RM3Writer::Date(1850, 3, 4, '8'));
  EXPECT_TRUE(after.IsValid());
  EXPECT_EQ(after.Qualifier(), kQualAfter);
  EXPECT_EQ(after.GetDisplayText(), "Aft 4 Mar 1850");
  EXPECT_EQ(after.GetText(), RM3Writer::Date(1850, 3, 4, '8'));
  EXPECT_EQ(WRM3Date(RM3Writer::Date(1850, 0, 0, '1')).GetDisplayText(), "Bef 1850");
  EXPECT_EQ(WRM3Date(RM3Writer::Date(1850, 0, 0, '3')).GetDisplayText(), "Cir 1850");
  EXPECT_EQ(WRM3Date(RM3Writer::Date(1850, 0, 0, '4')).GetDisplayText(), "Est 1850");
  EXPECT_EQ(WRM3Date(RM3Writer::Date(1850, 0, 0, '5', 1855)).GetDisplayText(), "Bet 1850 and 1855");
  EXPECT_EQ(WRM3Date(RM3Writer::Date(1850, 0, 0, '6', 1851)).GetDisplayText(), "1850 or 1851");
  EXPECT_EQ(WRM3Date(RM3Writer::Date(1850, 5, 0, '7', 1851, 6)).GetDisplayText(),
            "From May 1850 to Jun 1851");
  EXPECT_EQ(WRM3Date(RM3Writer::Date(1850, 5, 6, '2')).GetDisplayText(), "6 May 1850");
  EXPECT_EQ(WRM3Date(RM3Writer::Date(1850, 5, 6, 'z')).Qualifier(), kQualExact);
  EXPECT_EQ(WRM3Date(RM3Writer::Date(44, 0, 0, '2', 0, 0, 0, true)).GetDisplayText(), "44 BC");
  // Parts that are not digits read as 0; the date itself stays a date.
  WRM3Date junk("D1ab12xx052.0000000000");
  EXPECT_TRUE(junk.IsValid());
  EXPECT_EQ(junk.Year(), 0);
  EXPECT_EQ(junk.Month(), 0);
  EXPECT_EQ(junk.Day(), 5);
  // A month or day out of range from a damaged file is dropped.
  EXPECT_EQ(WRM3Date("D118509945200000000..").Month(), 0);
  // Text only.
  WRM3Date text("  TLost at sea ");
  EXPECT_TRUE(text.IsValid());
  EXPECT_FALSE(text.IsStandard());
  EXPECT_EQ(text.GetDisplayText(), "Lost at sea");
  // Nine characters: era and yyyymmdd; era 9 is 1 January 9999.
  EXPECT_EQ(WRM3Date("120240115").GetDisplayText(), "15 Jan 2024");
  WRM3Date far("912345678");
  EXPECT_EQ(far.Year(), 9999);
  EXPECT_EQ(far.Month(), 1);
  EXPECT_EQ(far.Day(), 1);
  // Empty text and any other form: invalid.
  EXPECT_FALSE(WRM3Date("").IsValid());
  EXPECT_FALSE(WRM3Date("   ").IsValid());
  EXPECT_FALSE(WRM3Date("1850").IsValid());
  EXPECT_FALSE(WRM3Date("D1850").IsValid());
  EXPECT_EQ(WRM3Date("1850").GetDisplayText(), "");
}

TEST(RM3Tables, StatusWordsAndTemples) {
  EXPECT_STREQ(WRM3TabE::StatusWord(31, 2), "Completed");
  EXPECT_STREQ(WRM3TabE::StatusWord(32, 4), "Child");
  EXPECT_STREQ(WRM3TabE::StatusWord(31, 9), "");  // the DATE field
  EXPECT_STREQ(WRM3TabE::StatusWord(33, 4), "Born in covenant");
  EXPECT_STREQ(WRM3TabE::StatusWord(33, 9), "Cleared");
  EXPECT_STREQ(WRM3TabE::StatusWord(309, 4), "Canceled");
  EXPECT_STREQ(WRM3TabE::StatusWord(309, 6), "DNS/CAN");
  EXPECT_STREQ(WRM3TabE::StatusWord(309, 0), "");
  EXPECT_STREQ(WRM3TabE::StatusWord(309, 10), "");
  EXPECT_STREQ(WRM3TabE::StatusWord(1, 2), "");

  EXPECT_EQ(WRM3Temples::TempleText(1), "ABA - Aba Nigeria");
  EXPECT_EQ(WRM3Temples::TempleText(36), "EHOUS - Endowment House");
  EXPECT_EQ(WRM3Temples::TempleText(79), "NAUVO - Nauvoo (original)");
  EXPECT_EQ(WRM3Temples::TempleText(89), "OTHER - Other");
  EXPECT_EQ(WRM3Temples::TempleText(95), "POFFI - President's Office");
  EXPECT_EQ(WRM3Temples::TempleText(113), "SLAKE - Salt Lake");
  EXPECT_EQ(WRM3Temples::TempleText(131), "WASHI - Washington D.C.");
  EXPECT_EQ(WRM3Temples::TempleText(132), "WINTE - Winter Quarters (new)");
  EXPECT_EQ(WRM3Temples::TempleText(0), "");
  EXPECT_EQ(WRM3Temples::TempleText(133), "");
  // Every entry has a place; the codes are in alphabetical order.
  std::string previous;
  for (int n = 1; n <= WRM3Temples::kCount; ++n) {
    const std::string code = WRM3Temples::TempleCode(n);
    EXPECT_GT(WRM3Temples::TempleText(n).size(), code.size() + 3) << n;
    EXPECT_LT(previous, code) << n;
    previous = code;
  }
}

TEST_F(RM3Records, ChosenEventsAndOtherEvents) {
  Open(RM3SampleFamily());
  // John: two births, the second primary: it is the birth; the first is an other event.
  auto john = Person(1);
  ASSERT_TRUE(john);
  EXPECT_EQ(john->GetEventDateText(evBirth), "4 Mar 1801");
  EXPECT_EQ(john->EventCount(evBirth), 1);
  EXPECT_EQ(john->EventCount(evChristening), 0);
  EXPECT_EQ(john->GetEvent(evChristening, 1), nullptr);
  ASSERT_EQ(john->EventCount(evOther), 2);
  auto occupation = john->GetEvent(evOther, 1);
  EXPECT_EQ(occupation->GetTypeName(), "Occupation");
  EXPECT_EQ(occupation->GetDescription(), "Cooper and farmer");
  auto other_birth = john->GetEvent(evOther, 2);
  EXPECT_EQ(other_birth->GetTypeName(), "Birth");
  EXPECT_EQ(other_birth->GetDateText(), "Cir 1800");
  EXPECT_EQ(john->GetEvent(evOther, 3), nullptr);
  EXPECT_EQ(john->GetEvent(evOther, 0), nullptr);
  // Types 34 and 35 stand for the ancestral file number and the reference number, and are no
  // other events.
  EXPECT_EQ(john->GetAFN(), "AFN:9K3L-QX");
  EXPECT_EQ(john->GetReferenceNumber(), "WH-001");
  EXPECT_EQ(john->GetNoteText(), "Came to Salem from Bristol.\r\nKept the cooperage on Derby Street.");
  EXPECT_EQ(DateText(john->GetChangeDate()), "2 Feb 2024");
  EXPECT_EQ(john->GetCreationDate(), nullptr);
  // Mary: two births, neither primary: the first is the birth.
  EXPECT_EQ(Person(2)->GetEventDateText(evBirth), "11 Feb 1805");
  // Person 3 shares his run in the event order with family 3: the family's marriage is not his.
  auto samuel = Person(3);
  for (int i = 1; i <= samuel->EventCount(evOther); ++i)
    EXPECT_NE(samuel->GetEvent(evOther, i)->GetTypeName(), "Marriage");
  EXPECT_EQ(samuel->GetEventDateText(evBurial), "Bef 1899");
}

TEST_F(RM3Records, OrdinancesShowStatusWordsAndTemples) {
  Open(RM3SampleFamily());
  auto samuel = Person(3);
  auto baptism = samuel->GetLDSEvent(evLDSBaptism);
  ASSERT_TRUE(baptism);
  EXPECT_EQ(baptism->GetDateText(), "Completed");  // whatever the DATE field holds
  EXPECT_EQ(baptism->GetPlaceText(), "SLAKE - Salt Lake");
  EXPECT_EQ(baptism->GetTypeName(), "");
  auto endowment = samuel->GetLDSEvent(evEndowment);
  EXPECT_EQ(endowment->GetDateText(), "Child");
  EXPECT_EQ(endowment->GetPlaceText(), "EHOUS - Endowment House");  // place type "t"
  auto sealing = samuel->GetLDSEvent(evSealingToParents);
  EXPECT_EQ(sealing->GetDateText(), "Born in covenant");
  EXPECT_EQ(sealing->GetPlaceText(), "");  // temple 133 is none
  EXPECT_EQ(samuel->GetLDSEvent(evBirth), nullptr);
  // Without a status word the DATE field serves; status 9 has none for an endowment.
  EXPECT_EQ(Person(4)->GetLDSEvent(evLDSBaptism)->GetDateText(), "5 Apr 1900");
  EXPECT_EQ(Person(5)->GetLDSEvent(evEndowment)->GetDateText(), "Bet 1885 and 1886");
}

TEST_F(RM3Records, NamesWithNicknames) {
  Open(RM3SampleFamily());
  auto josiah = Person(39)->GetName();
  EXPECT_EQ(josiah->GetPrefix(), "Rev.");
  EXPECT_EQ(josiah->GetSuffix(), "Jr. \"Bud\"");
  EXPECT_EQ(josiah->CitationCount(), 0);
  EXPECT_EQ(josiah->GetNote(), nullptr);
  // No suffix: the text begins with a blank.
  EXPECT_EQ(Person(5)->GetName()->GetSuffix(), " \"Tom\"");
  EXPECT_EQ(Person(35)->GetName()->GetSuffix(), "Sr.");
  EXPECT_EQ(Person(37)->GetSex(), 'U');
  EXPECT_EQ(Person(38)->GetSex(), 'U');
  EXPECT_EQ(Person(2)->GetSex(), 'F');
  EXPECT_TRUE(Person(40)->IsLiving(0));
  EXPECT_FALSE(Person(1)->IsLiving(1000));
}

TEST_F(RM3Records, FamiliesWithTwoMarriagesAndSealings) {
  WRM3Collection& c = Open(RM3SampleFamily());
  // Family 4 has two marriage events: the date is the later one's, the citations the earlier's.
  auto family = c.GetFamily(4);
  ASSERT_TRUE(family);
  EXPECT_EQ(family->GetDateText(), "9 Jan 1853");
  EXPECT_EQ(family->GetPlaceText(), "Portland, Cumberland, Maine");
  ASSERT_EQ(family->CitationCount(), 1);
  EXPECT_EQ(family->GetCitation(1)->GetDetail(), "marriage return");
  EXPECT_EQ(family->GetCitation(2), nullptr);
  // Family 1: sealings read before the date leave the marriage date alone.
  auto first = c.GetFamily(1);
  ASSERT_EQ(first->SealingCount(), 1);
  EXPECT_EQ(first->GetSealing(1)->GetDateText(), "Do not seal");
  EXPECT_EQ(first->GetSealing(1)->GetTypeName(), "LDS Sealing to spouse 309");
  EXPECT_EQ(first->GetSealing(2), nullptr);
  EXPECT_EQ(first->GetDateText(), "2 Jun 1824");
  EXPECT_EQ(first->GetNoteText(), "Married by the Rev. Bentley.");
  EXPECT_FALSE(first->IsSynthesized());
  EXPECT_EQ(c.GetFamily(2)->GetSealing(1)->GetPlaceText(), "EHOUS - Endowment House");
  // A family without marriage event.
  auto unmarried = c.GetFamily(8);
  EXPECT_EQ(unmarried->GetDate(), nullptr);
  EXPECT_EQ(unmarried->CitationCount(), 0);
  EXPECT_EQ(unmarried->GetNote(), nullptr);
  // Children in CHILDORDER; the deleted child is not linked.
  auto second = c.GetFamily(2);
  second->OrderChildren();
  ASSERT_EQ(second->ChildCount(), 3);
  EXPECT_EQ(c.GetIndividualName(second->GetChild(1)), "Edward /Whitcomb/");
  // Out of range: none, above the count as well as below 1.
  EXPECT_EQ(c.GetFamily(0), nullptr);
  EXPECT_EQ(c.GetFamily(c.FamilyCount() + 1), nullptr);
  EXPECT_EQ(c.GetFamily(-5), nullptr);
}

TEST_F(RM3Records, SourcesCitationsAndRepositories) {
  WRM3Collection& c = Open(RM3SampleFamily());
  ASSERT_EQ(c.SourceCount(), 3);
  auto register_book = c.GetSource(1);
  EXPECT_EQ(register_book->GetTitle(), "Salem parish register");
  EXPECT_EQ(register_book->GetSummary(), "");
  EXPECT_EQ(WABSNote::TextOf(register_book->GetText().get()), "Baptisms and burials 1790-1850");
  EXPECT_EQ(WABSNote::TextOf(register_book->GetNote().get()), "Kept at the historical society");
  EXPECT_TRUE(register_book->HasNote());
  EXPECT_EQ(register_book->GetRepositoryRecord(), 1);
  auto repo = c.GetRepository(register_book->GetRepositoryRecord());
  EXPECT_EQ(repo->GetName(), "Essex Historical Society");
  auto address = repo->GetAddress();
  EXPECT_EQ(address->GetAddress(), "12 Main St");
  EXPECT_EQ(address->GetCity(), "Salem");
  EXPECT_EQ(address->GetState(), "MA");
  EXPECT_EQ(address->GetPostalCode(), "01970");
  EXPECT_EQ(address->GetCountry(), "USA");
  EXPECT_EQ(address->GetPhone(), "978-555-0100");
  EXPECT_EQ(address->GetLine1(), "");
  EXPECT_EQ(WABSNote::TextOf(repo->GetNote().get()), "Open Tuesdays");
  // An address memo with fewer parts: the missing ones are empty, and there is no note.
  auto town_hall = c.GetRepository(2);
  EXPECT_EQ(town_hall->GetAddress()->GetCity(), "Concord");
  EXPECT_EQ(town_hall->GetAddress()->GetCountry(), "");
  EXPECT_EQ(town_hall->GetNote()->LineCount(), 0);

  // Source position 2 has sourceid 3 (sourceid 2 was deleted): its repository link names it by
  // its sourceid, and a Details memo without form feed is its note.
  auto bible = c.GetSource(2);
  EXPECT_EQ(bible->GetTitle(), "Whitcomb family Bible");
  EXPECT_EQ(bible->GetRepositoryRecord(), 2);
  EXPECT_EQ(WABSNote::TextOf(bible->GetNote().get()), "Bible of John Whitcomb");
  EXPECT_EQ(bible->GetText(), nullptr);
  EXPECT_FALSE(bible->HasText());
  auto census = c.GetSource(3);
  EXPECT_FALSE(census->HasRepository());
  EXPECT_FALSE(census->HasNote());
  EXPECT_EQ(census->GetNote()->LineCount(), 0);
  EXPECT_EQ(census->GetDisplayNote(), nullptr);

  // Citations of a person: detail, note and source through the source's sourceid.
  auto john = Person(1);
  ASSERT_EQ(john->CitationCount(), 2);
  auto citation = john->GetCitation(2);
  EXPECT_EQ(citation->GetDetail(), "flyleaf");
  EXPECT_EQ(citation->GetSource()->GetTitle(), "Whitcomb family Bible");
  EXPECT_EQ(john->GetCitation(3), nullptr);
  // A citation of a deleted source has no source.
  auto thomas = Person(5);
  ASSERT_EQ(thomas->CitationCount(), 2);
  EXPECT_EQ(thomas->GetCitation(2)->GetSource(), nullptr);
  EXPECT_EQ(thomas->GetCitation(2)->GetDetail(), "");
  // An event's citations.
  auto birth = john->GetEvent(evBirth, 1);
  ASSERT_EQ(birth->CitationCount(), 1);
  EXPECT_EQ(birth->GetCitation(1)->GetDetail(), "p. 3");

  EXPECT_EQ(c.GetSource(0), nullptr);
  EXPECT_EQ(c.GetSource(4), nullptr);
  EXPECT_EQ(c.GetRepository(0), nullptr);
  EXPECT_EQ(c.GetRepository(3), nullptr);
  EXPECT_EQ(c.GetNote(1), nullptr);
  EXPECT_EQ(c.NoteCount(), 0);
}

TEST_F(RM3Records, CollectionAnswers) {
  WRM3Collection& c = Open(RM3SampleFamily());
  EXPECT_EQ(c.IndividualCount(), 41);
  EXPECT_EQ(c.FamilyCount(), 11);
  EXPECT_EQ(c.GetFileSizeText(), "N/A");
  EXPECT_EQ(c.GetVersionText(), "N/A");
  EXPECT_EQ(c.GetHeaderText(), "");
  EXPECT_FALSE(c.GetFileDateText().empty());
  EXPECT_EQ(c.GetIdentifierSource(), "RootsMagic");
  EXPECT_EQ(c.PreCountIndividuals(), 41);
  // PersonIDs: person 14 is at position 13 (13 was deleted).
  EXPECT_EQ(c.FindIndividual("14"), 13);
  EXPECT_EQ(c.FindIndividual(" 14 "), 13);
  EXPECT_EQ(c.FindIndividual("13"), 0);
  EXPECT_EQ(c.FindIndividual("0"), 0);
  EXPECT_EQ(c.FindIndividual("-2"), 0);
  EXPECT_EQ(c.FindIndividual("x"), 0);
  EXPECT_EQ(c.FindIndividual(""), 0);
  EXPECT_EQ(c.GetIndividual(0), nullptr);
  EXPECT_EQ(c.GetIndividual(42), nullptr);
  EXPECT_EQ(c.GetIndividual(13)->GetID(), "14");
  auto submitter = c.GetSubmitter();
  EXPECT_EQ(submitter->GetName(), "Margaret Whitcomb");
  EXPECT_EQ(submitter->GetEmail(), "margaret@example.org");
  EXPECT_EQ(submitter->GetCountry(), "");
  EXPECT_EQ(ReaderForExtension(".rmg"), &WRM3Collection::ReaderInfo());
  // Positions beyond the live rows read as empty, not as the deleted rows behind them.
  EXPECT_EQ(c.TabI().PosText(42, "GIVEN"), "");
  EXPECT_EQ(c.TabI().PosInt(c.TabI().LiveCount() + 1, "PERSONID"), 0);
}

TEST_F(RM3Records, TablesOutOfIdentifierOrderStillLink) {
  RM3Writer w = RM3SampleFamily();
  std::swap(w.people[0], w.people[5]);      // persons 6 and 1 trade rows
  std::swap(w.families[0], w.families[3]);  // families 4 and 1
  std::swap(w.sources[0], w.sources[3]);
  WRM3Collection& c = Open(w);
  auto john = c.GetIndividual(c.FindIndividual("1"));
  ASSERT_TRUE(john);
  EXPECT_EQ(john->GetGivenNamesText(), "John");
  ASSERT_EQ(john->SpouseFamilyCount(), 1);
  auto family = c.GetFamily(john->GetSpouseFamily(1));
  EXPECT_EQ(family->GetDateText(), "2 Jun 1824");
  EXPECT_EQ(c.GetIndividualName(family->GetWife()), "Mrs. Mary /Ellis/");
  EXPECT_EQ(family->ChildCount(), 5);
  EXPECT_EQ(c.GetIndividualName(c.GetFatherOf(c.FindIndividual("6"))), "John /Whitcomb/");
  EXPECT_EQ(john->GetCitation(1)->GetSource()->GetTitle(), "Salem parish register");
}

TEST_F(RM3Records, MissingTableNamesItAndMissingMemoOnlyEmptiesTexts) {
  RM3Writer::Options no_links;
  no_links.missing_tables = {'L'};
  RM3SampleFamily().Write(dir_.path(), "family", no_links);
  WRM3Collection missing(dir_ / "family.rmg");
  try {
    missing.Import();
    FAIL() << "opened without its link table";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Error using the file " + (dir_ / "family_L.dbf") +
                  "\r\nPlease check that this file is not being used by another application.");
  }

  TempDir other;
  RM3Writer::Options no_memos;
  no_memos.missing_memos = {'I', 'E'};
  WRM3Collection c(RM3SampleFamily().Write(other.path(), "family", no_memos));
  ASSERT_TRUE(c.Import());
  c.BuildLinks();
  auto john = c.GetIndividual(1);
  EXPECT_EQ(john->GetNote(), nullptr);
  EXPECT_EQ(john->GetAFN(), "");
  EXPECT_EQ(john->GetGivenNamesText(), "John");
  EXPECT_EQ(john->GetEventDateText(evBirth), "4 Mar 1801");
  EXPECT_EQ(john->GetEvent(evOther, 1)->GetDescription(), "");
  EXPECT_EQ(c.GetSource(1)->GetTitle(), "Salem parish register");
  EXPECT_EQ(WABSNote::TextOf(c.GetSource(1)->GetNote().get()), "Kept at the historical society");
}

TEST_F(RM3Records, RawMemoBlockNumbersOfFourByteMemoFields) {
  // A person table whose note field holds the block number as a raw integer.
  RM3Writer w;
  w.people = {{1, "F", "Raw", "Memo"}};
  w.Write(dir_.path(), "family");
  DBFWriter people(0x30);
  people.Field("PERSONID", 'N', 8).Field("GIVEN", 'C', 10).Field("NOTE", 'M', 4).MemoBlockSize(32);
  people.Row({"1", "Raw", "stored raw"});
  people.Write(dir_ / "family_I.dbf", dir_ / "family_I.fpt");
  collection_ = std::make_unique<WRM3Collection>(dir_ / "family.rmg");
  ASSERT_TRUE(collection_->Import());
  EXPECT_EQ(collection_->GetIndividual(1)->GetNoteText(), "stored raw");
}

TEST_F(RM3Records, ShortOrEmptyHeaderFile) {
  RM3Writer w;
  const std::string rmg = w.Write(dir_.path(), "family");
  WriteFile(rmg, std::string("\x05\x00\x00\x00Short", 9));
  WRM3Collection c(rmg);
  ASSERT_TRUE(c.Import());
  int count = 0;
  auto rows = std::make_unique<GenHeaderRecs>();
  c.GetHeaderInfo(count, *rows);
  ASSERT_GE(count, 3);
  EXPECT_EQ((*rows)[1].value, "5");
  EXPECT_EQ(c.GetSubmitter()->GetName(), "");
  // A file without people: the averages are 0, not a division by zero.
  EXPECT_EQ((*rows)[4].value.substr(0, 7), "0\t0.00\t");
  WriteFile(rmg, "");
  WRM3Collection empty(rmg);
  ASSERT_TRUE(empty.Import());
  empty.GetHeaderInfo(count, *rows);
  EXPECT_EQ((*rows)[1].value, "0");
  EXPECT_EQ(empty.GetSubmitter()->GetPhone(), "");
  EXPECT_THROW(WRM3Collection(dir_ / "nothing.rmg"), EFOpenError);
}

TEST_F(RM3Records, PersonWithHundredsOfEvents) {
  // The chosen events lie far apart in the person's run: they are found all the same, the
  // first time and every time after.
  RM3Writer w;
  w.people = {{1, "F", "Many", "Events"}, {2, "M", "Next", "Person"}};
  for (int i = 1; i <= 400; ++i) {
    RM3Writer::Event e;
    e.id = i;
    e.owner = 1;
    e.type = i == 400 ? 1 : 20;
    e.primary = i == 400;
    e.date = RM3Writer::Date(1800 + i / 12, 1 + i % 12, 1);
    e.sort_date = RM3Writer::SortDate(1800 + i / 12, 1 + i % 12, 1);
    w.events.push_back(e);
  }
  RM3Writer::Event early_birth;
  early_birth.id = 401;
  early_birth.owner = 1;
  early_birth.type = 1;
  early_birth.date = RM3Writer::Date(1700);
  early_birth.sort_date = RM3Writer::SortDate(1700);
  w.events.push_back(early_birth);
  WRM3Collection& c = Open(w);
  for (int round = 0; round < 2; ++round) {
    auto person = c.GetIndividual(1);
    EXPECT_EQ(person->GetEventDateText(evBirth), "1 May 1833");  // the primary one, 400th in sort order
    EXPECT_EQ(person->EventCount(evOther), 400);                 // 399 census events and the other birth
  }
  EXPECT_EQ(c.GetIndividual(2)->EventCount(evOther), 0);
  EXPECT_EQ(c.GetIndividual(2)->GetEvent(evBirth, 1), nullptr);
}

TEST_F(RM3Records, CancellingStopsTheImport) {
  RM3SampleFamily().Write(dir_.path(), "family");
  WRM3Collection c(dir_ / "family.rmg");
  SetYieldHook([] { ImportCancelled = true; });
  EXPECT_FALSE(c.Import());
}

}  // namespace
