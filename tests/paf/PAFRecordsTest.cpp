// What the PAF reader answers for the records the writer puts in a file: numbering around
// deleted people, links as list positions, names, events, ordinances, notes, sources, the
// header, and the rules that differ between versions.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PAFFixtures.h"
#include "app/OpenCycle.h"
#include "app/OpenCycleHost.h"
#include "base/Date.h"
#include "base/Errors.h"
#include "base/Settings.h"
#include "formats/paf/PAF4Collection.h"
#include "formats/paf/PAFCollection.h"
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

namespace {

using namespace paf_fixtures;

class PAFRecords : public testing::TestWithParam<int> {
 protected:
  std::unique_ptr<WABSCollection> OpenBook(const PAFBook& book, const std::string& name = "book.paf") {
    std::string error;
    std::unique_ptr<WABSCollection> collection = Open(WriteBook(dir_, name, book), &error);
    EXPECT_TRUE(collection) << error;
    return collection;
  }
  TempDir dir_;
};

// RIN 3 is deleted: list positions skip it, identifiers keep the RINs.
TEST_P(PAFRecords, ListPositionsSkipDeletedPeopleAndIdentifiersAreRins) {
  auto c = OpenBook(FamilyBook(GetParam()));
  ASSERT_TRUE(c);
  auto& paf = dynamic_cast<WPAFCollection&>(*c);
  EXPECT_EQ(c->IndividualCount(), 8);
  EXPECT_EQ(paf.DeletedIndividuals(), 1);
  EXPECT_EQ(paf.DeletedMarriages(), 1);
  std::unique_ptr<WABSIndividual> william = c->GetIndividual(3);
  ASSERT_TRUE(william);
  EXPECT_EQ(william->GetRecNo(), 3);
  EXPECT_EQ(william->GetID(), "4");
  EXPECT_EQ(c->RecordToFileNumber(3), 4);
  EXPECT_EQ(c->FileNumberToRecord(4), 3);
  // A deleted or unknown RIN has no list position.
  EXPECT_EQ(c->FileNumberToRecord(3), 0);
  EXPECT_EQ(c->FileNumberToRecord(10), 0);
  EXPECT_EQ(c->FileNumberToRecord(-1), 0);
  EXPECT_EQ(c->FindIndividual("4"), 3);
  EXPECT_EQ(c->FindIndividual(" 9 "), 8);
  for (const char* none : {"3", "0", "abc", "99", "-4", ""}) EXPECT_EQ(c->FindIndividual(none), 0) << none;
  EXPECT_EQ(c->GetIndividual(0), nullptr);
  EXPECT_EQ(c->GetIndividual(9), nullptr);
  // Reloading binds another list position.
  william->Load(8);
  EXPECT_EQ(william->GetID(), "9");
  EXPECT_EQ(william->GetName()->GetGivenNames(), "Sarah");
  EXPECT_THROW(william->Load(9), EMemoryError);
}

TEST_P(PAFRecords, FamilyLinksAreListPositions) {
  auto c = OpenBook(FamilyBook(GetParam()));
  ASSERT_TRUE(c);
  std::unique_ptr<WABSMarriage> family = c->GetFamily(1);
  ASSERT_TRUE(family);
  EXPECT_EQ(family->GetHusband(), 1);
  EXPECT_EQ(family->GetWife(), 2);
  EXPECT_EQ(family->SpouseCount(), 2);
  EXPECT_EQ(family->GetOtherSpouse(1), 2);
  EXPECT_EQ(family->GetOtherSpouse(2), 1);
  ASSERT_EQ(family->ChildCount(), 3);
  // In the chain's order before ordering: William (RIN 4), Anne (5), Thomas (6).
  EXPECT_EQ(family->GetChild(1), 3);
  family->OrderChildren();
  EXPECT_EQ(family->GetChild(1), 4) << "Anne, born before 1873";
  EXPECT_EQ(family->GetChild(2), 3);
  EXPECT_EQ(family->GetChild(3), 5) << "Thomas has no birth date";
  EXPECT_EQ(family->GetChild(4), 0);
  EXPECT_EQ(c->GetFatherOf(3), 1);
  EXPECT_EQ(c->GetMotherOf(3), 2);
  EXPECT_EQ(c->GetFatherOf(1), 6);
  std::unique_ptr<WABSIndividual> john = c->GetIndividual(1);
  ASSERT_EQ(john->SpouseFamilyCount(), 2);
  EXPECT_EQ(john->GetSpouseFamily(1), 1);
  EXPECT_EQ(john->GetSpouseFamily(2), 4);
  EXPECT_EQ(john->GetSpouseFamily(3), 0);
  ASSERT_EQ(john->ParentFamilyCount(), 1);
  RecNo parents = 0;
  int mother = 0, father = 0;
  EXPECT_TRUE(john->GetParentFamilyLink(1, parents, mother, father));
  EXPECT_EQ(parents, 2);
  EXPECT_EQ(mother, 7);
  EXPECT_EQ(father, 1);
  EXPECT_FALSE(john->GetParentFamilyLink(2, parents, mother, father));
  EXPECT_FALSE(john->HasNoParents());
  EXPECT_TRUE(c->GetIndividual(8)->HasNoParents());
  EXPECT_FALSE(c->GetIndividual(3)->HasNoParents());
  EXPECT_TRUE(c->GetIndividual(3)->HasNoSpouseFamilies());
}

TEST_P(PAFRecords, ChildrenKeepTheirChainOrderWhenSortingIsOff) {
  auto c = OpenBook(FamilyBook(GetParam()));
  ASSERT_TRUE(c);
  Settings().SetBool(WSettings::SortChildren, false);
  std::unique_ptr<WABSMarriage> family = c->GetFamily(1);
  family->OrderChildren();
  Settings().SetBool(WSettings::SortChildren, true);
  EXPECT_EQ(family->GetChild(1), 3);
  EXPECT_EQ(family->GetChild(2), 4);
}

// A link of -1 means none as well as 0: the "no parents" and "no spouse" tests agree with the
// counts.
TEST_P(PAFRecords, LinksOfMinusOneMeanNone) {
  PAFBook book = FamilyBook(GetParam());
  book.none_link = -1;
  auto c = OpenBook(book);
  ASSERT_TRUE(c);
  std::unique_ptr<WABSIndividual> sarah = c->GetIndividual(8);
  EXPECT_EQ(sarah->ParentFamilyCount(), 0);
  EXPECT_TRUE(sarah->HasNoParents());
  std::unique_ptr<WABSIndividual> william = c->GetIndividual(3);
  EXPECT_EQ(william->SpouseFamilyCount(), 0);
  EXPECT_TRUE(william->HasNoSpouseFamilies());
  EXPECT_EQ(william->GetNote()->GetText("|"), "Emigrated.");
  EXPECT_EQ(c->GetIndividual(2)->GetNote(), nullptr);
  EXPECT_EQ(c->GetIndividual(2)->CitationCount(), 0);
  EXPECT_EQ(c->GetFamily(2)->GetNote(), nullptr);
  EXPECT_EQ(c->GetFamily(1)->ChildCount(), 3);
}

TEST_P(PAFRecords, NamesEventsAndPlaces) {
  const int version = GetParam();
  auto c = OpenBook(FamilyBook(version));
  ASSERT_TRUE(c);
  std::unique_ptr<WABSIndividual> john = c->GetIndividual(1);
  std::unique_ptr<WABSName> name = john->GetName();
  EXPECT_EQ(name->GetGivenNames(), "John Henry");
  EXPECT_EQ(name->GetSurname(), "Smith");
  EXPECT_EQ(name->GetSuffix(), "Sr.");
  EXPECT_EQ(name->GetPrefix(), version == 4 ? "Dr." : "");
  EXPECT_EQ(name->GetNote(), nullptr);
  EXPECT_EQ(name->GetCitation(1), nullptr);
  EXPECT_EQ(john->GetSex(), 'M');
  EXPECT_EQ(john->GetReferenceNumber(), "REF-1");
  EXPECT_EQ(john->GetAFN(), "1A2B-3C");
  EXPECT_EQ(john->GetChangeDateText(), "1 Jan 2010");
  if (version == 5)
    EXPECT_EQ(john->GetCreationDate(), nullptr);
  else
    EXPECT_EQ(john->GetCreationDate()->GetDisplayText(), "1 Jan 2000");

  std::unique_ptr<WABSVitEvent> birth = john->GetEvent(evBirth, 1);
  ASSERT_TRUE(birth);
  EXPECT_EQ(birth->GetKind(), evBirth);
  EXPECT_EQ(birth->GetDateText(), "12 Mar 1850");
  EXPECT_EQ(birth->GetPlaceText(), "Whitby, Yorkshire, England");
  ASSERT_EQ(birth->CitationCount(), 1);
  EXPECT_EQ(birth->GetCitation(1)->GetDetail(), "Entry 212");
  EXPECT_EQ(birth->GetPlace()->CitationCount(), 1) << "the place shares the event's citations";
  EXPECT_EQ(birth->GetPlace()->GetNote(), nullptr);
  EXPECT_FALSE(birth->HasNote());
  // The same event with the kind's high bit set.
  EXPECT_EQ(john->GetEvent(evBirth + 128, 1)->GetDateText(), "12 Mar 1850");
  // Every kind but the other events counts 1: GetEvent tells whether it is there.
  std::unique_ptr<WABSIndividual> thomas = c->GetIndividual(5);
  EXPECT_EQ(thomas->EventCount(evBirth), 1);
  EXPECT_EQ(thomas->GetEvent(evBirth, 1), nullptr);
  EXPECT_EQ(thomas->GetEvent(evBaptism, 1), nullptr);

  // Places are converted from UTF-8, the family's place too.
  std::unique_ptr<WABSIndividual> mary = c->GetIndividual(2);
  EXPECT_EQ(mary->GetEventPlaceText(evBirth), "Z\xFCrich, Switzerland");
  EXPECT_EQ(c->GetFamily(1)->GetPlaceText(), "Z\xFCrich, Switzerland");
  EXPECT_EQ(c->GetFamily(1)->GetDatePlaceText(), "10 Jun 1872, Z\xFCrich, Switzerland");
}

TEST_P(PAFRecords, OtherEventsOfVersions4And5) {
  const int version = GetParam();
  auto c = OpenBook(FamilyBook(version));
  ASSERT_TRUE(c);
  std::unique_ptr<WABSIndividual> john = c->GetIndividual(1);
  if (version == 3) {
    EXPECT_EQ(john->EventCount(evOther), 0);
    EXPECT_EQ(john->GetEvent(evOther, 1), nullptr);
    return;
  }
  ASSERT_EQ(john->EventCount(evOther), 2);
  std::unique_ptr<WABSVitEvent> occupation = john->GetEvent(evOther, 1);
  EXPECT_EQ(occupation->GetKind(), evOther);
  EXPECT_EQ(occupation->GetTypeName(), "Occupation");
  EXPECT_EQ(occupation->GetDateText(), "1870");
  EXPECT_EQ(occupation->GetPlaceText(), "Whitby");
  // Version 4 keeps these texts in ANSEL; converted once, the accents survive.
  ASSERT_TRUE(occupation->HasNote());
  EXPECT_EQ(occupation->GetNoteText(), "Worked for M\xFCller & S\xF6hne");
  EXPECT_EQ(occupation->GetDescription(), "");
  std::unique_ptr<WABSVitEvent> residence = john->GetEvent(evOther, 2);
  EXPECT_EQ(residence->GetTypeName(), "Residence");
  EXPECT_FALSE(residence->HasNote());
  EXPECT_EQ(residence->GetNote(), nullptr);
  EXPECT_EQ(john->GetEvent(evOther, 3), nullptr);
  EXPECT_EQ(john->GetEvent(evOther, 0), nullptr);
}

TEST_P(PAFRecords, OrdinancesAndTemples) {
  const int version = GetParam();
  auto c = OpenBook(FamilyBook(version));
  ASSERT_TRUE(c);
  std::unique_ptr<WABSIndividual> john = c->GetIndividual(1);
  std::unique_ptr<WABSLDSEvent> baptism = john->GetLDSEvent(evLDSBaptism);
  ASSERT_TRUE(baptism);
  EXPECT_EQ(baptism->GetKind(), evLDSBaptism);
  EXPECT_EQ(baptism->GetDateText(), "COMPLETED");
  EXPECT_EQ(baptism->GetPlaceText(), "LOGAN");
  EXPECT_EQ(baptism->GetPlace()->CitationCount(), 0);
  std::unique_ptr<WABSLDSEvent> endowment = john->GetLDSEvent(evEndowment);
  EXPECT_EQ(endowment->GetDateText(), "1 Jan 1900");
  EXPECT_EQ(endowment->HasNote(), version != 5);
  EXPECT_EQ(endowment->GetNoteText(), version != 5 ? "Done by proxy." : "");
  // The sealing to parents comes from the first parent family's child link.
  std::unique_ptr<WABSLDSEvent> sealing = john->GetLDSEvent(evSealingToParents);
  ASSERT_TRUE(sealing);
  EXPECT_EQ(sealing->GetDateText(), "4 Apr 1950");
  EXPECT_EQ(john->GetLDSEvent(evBirth), nullptr);
  EXPECT_EQ(c->GetIndividual(5)->GetLDSEvent(evSealingToParents), nullptr);
  // Elizabeth's endowment names no temple: version 4 shows the place of her extension record.
  std::unique_ptr<WABSLDSEvent> elizabeth = c->GetIndividual(7)->GetLDSEvent(evEndowment);
  ASSERT_TRUE(elizabeth);
  EXPECT_EQ(elizabeth->GetPlaceText(), version == 4 ? "Salt Lake City, Utah" : "");
  std::unique_ptr<WABSMarriage> family = c->GetFamily(1);
  ASSERT_EQ(family->SealingCount(), 1);
  EXPECT_EQ(family->GetSealing(1)->GetPlaceText(), "SLAKE");
  EXPECT_EQ(family->GetSealing(2), nullptr);
  EXPECT_EQ(c->GetFamily(2)->SealingCount(), 0);
}

TEST_P(PAFRecords, NotesCitationsSourcesAndRepositories) {
  const int version = GetParam();
  auto c = OpenBook(FamilyBook(version));
  ASSERT_TRUE(c);
  std::unique_ptr<WABSIndividual> john = c->GetIndividual(1);
  std::unique_ptr<WABSNote> note = john->GetNote();
  ASSERT_TRUE(note);
  ASSERT_EQ(note->LineCount(), 2);
  EXPECT_EQ(note->Lines()[1], "Moved to Leeds in 1890.");
  ASSERT_EQ(john->CitationCount(), 2);
  std::unique_ptr<WABSCitation> census = john->GetCitation(2);
  EXPECT_EQ(census->GetDetail(), "Household 40");
  EXPECT_EQ(census->GetSource()->GetTitle(), "Census of 1881");
  // A citation without a note, of a source with only a title: no empty pieces between commas.
  EXPECT_EQ(c->GetFamily(1)->GetCitationsText(), "1) Entry 44, Census of 1881");
  EXPECT_EQ(john->GetCitation(3), nullptr);

  std::unique_ptr<WABSSource> source = c->GetSource(1);
  EXPECT_EQ(source->GetAuthor(), "Parish clerk");
  EXPECT_EQ(source->GetCallNumber(), "PR/12");
  EXPECT_TRUE(source->HasNote());
  EXPECT_EQ(WABSNote::TextOf(source->GetNote().get()), "Transcribed in 1990.");
  EXPECT_EQ(source->HasText(), version != 3);
  EXPECT_EQ(WABSNote::TextOf(source->GetText().get()), version != 3 ? "Baptisms and burials." : "");
  ASSERT_TRUE(source->HasRepository());
  std::unique_ptr<WABSRepo> repository = c->GetRepository(source->GetRepositoryRecord());
  EXPECT_EQ(repository->GetName(), "North Yorkshire Archive");
  std::unique_ptr<WABSAddress> address = repository->GetAddress();
  EXPECT_EQ(address->GetAddress(), "Malpas Road");
  EXPECT_EQ(address->GetLine2(), "DL7 8TB");
  EXPECT_EQ(address->GetPhone(), "01609 777585");
  EXPECT_EQ(address->GetCity(), "");
  std::unique_ptr<WABSSource> census_source = c->GetSource(2);
  EXPECT_FALSE(census_source->HasRepository());
  EXPECT_EQ(census_source->GetRepositoryRecord(), 0);
  EXPECT_EQ(census_source->GetNote(), nullptr);
  // Records that are not there answer empty.
  std::unique_ptr<WABSSource> missing = c->GetSource(50);
  EXPECT_EQ(missing->GetTitle(), "");
  EXPECT_EQ(missing->GetNote(), nullptr);
  EXPECT_FALSE(missing->HasRepository());
  EXPECT_EQ(c->GetRepository(500)->GetAddress(), nullptr);
  EXPECT_EQ(c->GetNote(0)->LineCount(), 0);
  EXPECT_EQ(c->GetNote(-1)->LineCount(), 0);
}

TEST_P(PAFRecords, SubmitterAndHeaderRows) {
  const int version = GetParam();
  TempDir dir;
  const std::string path = WriteBook(dir, "h.paf", FamilyBook(version));
  std::string error;
  std::unique_ptr<WABSCollection> c = CreateCollectionForFile(path, error);
  ASSERT_TRUE(c) << error;
  int count = -1;
  auto rows = std::make_unique<GenHeaderRecs>();
  c->GetHeaderInfo(count, *rows);
  EXPECT_EQ(count, 0) << "no rows before Import";
  ASSERT_TRUE(c->Import());
  c->GetHeaderInfo(count, *rows);
  ASSERT_EQ(count, version == 5 ? 5 : 12);
  EXPECT_EQ((*rows)[0].label, "Source");
  EXPECT_EQ((*rows)[0].value, "PAF");
  EXPECT_EQ((*rows)[2].value, version == 5 ? "5.2" : version == 4 ? "400" : "300");
  if (version != 5) {
    EXPECT_EQ((*rows)[3].value, "Smith family of Whitby");
    EXPECT_EQ((*rows)[4].value, "RIN/MRIN");
    EXPECT_EQ((*rows)[5].label, "Deleted Individuals");
    EXPECT_EQ((*rows)[5].value, "1");
    EXPECT_EQ((*rows)[8].value, "No");
  }
  std::unique_ptr<WABSSubmitter> submitter = c->GetSubmitter();
  EXPECT_EQ(submitter->GetName(), version == 5 ? "Ada" : "Ada Lovelace");
  EXPECT_EQ(submitter->GetCountry(), "England");
  EXPECT_EQ(submitter->GetEmail(), version == 3 ? "" : "ada@example.org");
  EXPECT_EQ(c->GetVersionText(), "N/A/");
  EXPECT_EQ(c->GetIdentifierSource(), "PAF");
  EXPECT_EQ(c->GetFileSizeText().empty(), false);
  EXPECT_EQ(c->PreCountIndividuals(), 8);
}

INSTANTIATE_TEST_SUITE_P(Versions, PAFRecords, testing::Values(3, 4, 5),
                         [](const testing::TestParamInfo<int>& info) {
                           return "PAF" + std::to_string(info.param);
                         });

// --- Rules of one version.

TEST(PAFVersion34, GivenNamesEventsWithoutPlacesAndTextDates) {
  for (int version : {3, 4}) {
    PAFBook book;
    book.version = version;
    PAFPerson third = Person('F', "", "Ward");
    third.given_parts = {"", "", "Jane"};
    third.birth = At(Year(1800));
    third.birth.parts_none = true;  // date set, all four place pointers -1: not an event
    third.death.place = "Bath";     // place without date: an event
    third.baptism.date.text = "about 1850";
    third.baptism.temple = "ST GE\xC3\xB6RGE";  // a temple is shown as stored
    book.people = {third};
    TempDir dir;
    std::unique_ptr<WABSCollection> c = Open(WriteBook(dir, "v.paf", book));
    ASSERT_TRUE(c);
    std::unique_ptr<WABSIndividual> person = c->GetIndividual(1);
    EXPECT_EQ(person->GetName()->GetGivenNames(), " Jane") << version;
    EXPECT_EQ(person->GetEvent(evBirth, 1), nullptr) << version;
    EXPECT_EQ(person->GetEventPlaceText(evDeath), "Bath") << version;
    EXPECT_EQ(person->GetEventDateText(evDeath), "") << version;
    std::unique_ptr<WABSLDSEvent> baptism = person->GetLDSEvent(evLDSBaptism);
    ASSERT_TRUE(baptism) << version;
    EXPECT_EQ(baptism->GetDateText(), "Abt 1850") << version;
    EXPECT_EQ(baptism->GetPlace()->GetName(), "ST GE\xC3\xB6RGE") << version;
  }
}

TEST(PAFVersion4, PeopleWithoutExtensionRecordHaveNoOrdinancesOtherEventsOrTitle) {
  PAFBook book = FamilyBook(4);
  book.extension_records = 0;
  TempDir dir;
  std::unique_ptr<WABSCollection> c = Open(WriteBook(dir, "x.paf", book));
  ASSERT_TRUE(c);
  std::unique_ptr<WABSIndividual> john = c->GetIndividual(1);
  EXPECT_EQ(john->GetName()->GetPrefix(), "");
  EXPECT_EQ(john->EventCount(evOther), 0);
  EXPECT_EQ(john->GetLDSEvent(evLDSBaptism), nullptr);
  EXPECT_EQ(john->GetLDSEvent(evEndowment), nullptr);
  // The family's sealing needs no extension record.
  EXPECT_EQ(c->GetFamily(1)->SealingCount(), 1);
  EXPECT_TRUE(c->GetFamily(1)->GetSealing(1));
}

TEST(PAFVersion4, TotalsBlockIsRaisedToTheHeaderCounts) {
  PAFBook book = FamilyBook(4);
  book.understate_type = 2;  // the totals block counts no individual blocks
  TempDir dir;
  std::unique_ptr<WABSCollection> c = Open(WriteBook(dir, "t.paf", book));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->IndividualCount(), 8);
  EXPECT_EQ(c->GetIndividual(8)->GetName()->GetGivenNames(), "Sarah");
}

TEST(PAFVersion5, NamesWithoutSlashesAndFamiliesWithoutRecords) {
  PAFBook book;
  book.version = 5;
  PAFPerson plain = Person('F', "  Ann  ", " Lee ");
  plain.suffix = " III ";
  book.people = {plain};
  book.families = {Family(1, 0)};
  TempDir dir;
  std::unique_ptr<WABSCollection> c = Open(WriteBook(dir, "n.paf", book));
  ASSERT_TRUE(c);
  std::unique_ptr<WABSName> name = c->GetIndividual(1)->GetName();
  EXPECT_EQ(name->GetGivenNames(), "Ann");
  EXPECT_EQ(name->GetSurname(), " Lee ");
  EXPECT_EQ(name->GetSuffix(), "III");
  // A family number beyond the file's marriages: a family without husband, wife or date.
  std::unique_ptr<WABSMarriage> none = c->GetFamily(40);
  ASSERT_TRUE(none);
  EXPECT_EQ(none->GetHusband(), 0);
  EXPECT_EQ(none->ChildCount(), 0);
  EXPECT_EQ(none->GetDateText(), "");
  EXPECT_EQ(none->GetPlaceText(), "");
  EXPECT_EQ(c->GetFamily(0), nullptr);
}

// Each piece of a note is converted on its own: a character split between two pieces is lost.
TEST(PAFVersion5, NotePiecesAreConvertedAloneAndOtherEventsStopAt1000) {
  PAFBook book;
  book.version = 5;
  PAFPerson person = Person('M', "Note", "Split");
  person.note = std::string(242, 'a') + "\xC3\xBC" + "\nnext";
  for (int k = 0; k < 1005; ++k) person.others.push_back({"Residence", "", At(Year(1800 + k % 100))});
  book.people = {person};
  TempDir dir;
  std::unique_ptr<WABSCollection> c = Open(WriteBook(dir, "s.paf", book));
  ASSERT_TRUE(c);
  std::unique_ptr<WABSIndividual> p = c->GetIndividual(1);
  std::unique_ptr<WABSNote> note = p->GetNote();
  ASSERT_EQ(note->LineCount(), 2);
  EXPECT_EQ(note->Lines()[0], std::string(242, 'a') + "??");
  EXPECT_EQ(note->Lines()[1], "next");
  EXPECT_EQ(p->EventCount(evOther), 1000);
  EXPECT_TRUE(p->GetEvent(evOther, 1000));
  EXPECT_EQ(p->GetEvent(evOther, 1001), nullptr);
}

TEST(PAFVersion3, FamiliesWithoutRecordsAreNone) {
  TempDir dir;
  std::unique_ptr<WABSCollection> c = Open(WriteBook(dir, "f.paf", FamilyBook(3)));
  ASSERT_TRUE(c);
  EXPECT_TRUE(c->GetFamily(4));
  EXPECT_EQ(c->GetFamily(500), nullptr);
}

// Version 3 keeps no block index in its file: the lookups give what a scan of the header counts
// and the map blocks gives.
TEST(PAFVersion3, LookupsAgreeWithAScanOfTheMapBlocks) {
  PAFBook book = ManyBlocksBook(3);
  TempDir dir;
  const std::string path = WriteBook(dir, "scan.paf", book);
  std::unique_ptr<WABSCollection> c = Open(path);
  ASSERT_TRUE(c);
  auto& paf = dynamic_cast<WPAFCollection&>(*c);
  const std::string bytes = ReadFile(path);
  auto header_count = [&](int map, int type) {
    const size_t at = 2048 + 20 * map + 2 * (type - 1);
    return static_cast<int>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1])
                                                                        << 8);
  };
  // The walk of the format's description: maps by their header counts, then the r-th entry of
  // the type in the map block.
  auto scan = [&](int type, int size, int n) -> uint64_t {
    const int per = 8192 / size, k = n - 1, e = k / per;
    int sum = 0;
    for (int i = 0; i < 102; ++i) {
      const int before = sum;
      sum += header_count(i, type);
      if (sum <= e) continue;
      int r = e - before;
      const uint64_t map = 4096 + static_cast<uint64_t>(i) * 67108864;
      for (int j = 0; j < 8192 && map + j < bytes.size(); ++j)
        if (static_cast<unsigned char>(bytes[map + j]) == type && r-- == 0)
          return map + static_cast<uint64_t>(j) * 8192 + static_cast<uint64_t>(k % per) * size;
      return 0;
    }
    return 0;
  };
  for (int rin = 1; rin <= 120; ++rin) EXPECT_EQ(paf.IndividualPos(rin), scan(2, 298, rin)) << rin;
  for (int mrin = 1; mrin <= 60; ++mrin) EXPECT_EQ(paf.MarriagePos(mrin), scan(3, 110, mrin)) << mrin;
  for (int link = 1; link <= 90; ++link) EXPECT_EQ(paf.ChildLinkPos(link), scan(5, 39, link)) << link;
  EXPECT_EQ(paf.OtherEventPos(1), 0u);
  EXPECT_EQ(paf.EventTypePos(1), 0u);
}

TEST(PAFOpen, RefusalsAndImportFailuresReachTheUser) {
  TempDir dir;
  std::string error;
  WriteFile(dir / "short.paf", "PAF");
  EXPECT_EQ(Open(dir / "short.paf", &error), nullptr);
  EXPECT_EQ(error, "Unknown PAF file format");
  WriteFile(dir / "four.paf", std::string("\0\0\0\0"
                                          "400\0"
                                          "PAF\0",
                                          12));
  EXPECT_EQ(Open(dir / "four.paf", &error), nullptr);
  EXPECT_EQ(error, "Unknown PAF file format");

  // Version 4 without a totals block.
  PAFFileLayout layout;
  std::string bytes = PAFWriter::Bytes(FamilyBook(4), &layout);
  bytes[1736] = bytes[1737] = bytes[1738] = bytes[1739] = 0;
  WriteFile(dir / "nototals.paf", bytes);
  EXPECT_EQ(Open(dir / "nototals.paf", &error), nullptr);
  EXPECT_EQ(error, "Invalid PAF 4 File");
  // A totals block whose type byte lies outside the file.
  bytes[1738] = 0x40;
  WriteFile(dir / "far.paf", bytes);
  EXPECT_EQ(Open(dir / "far.paf", &error), nullptr);
  EXPECT_EQ(error, "Error with PAF\rInvalid PAF 4 File");
  // A block of another type named as the totals block.
  bytes = PAFWriter::Bytes(FamilyBook(4), &layout);
  bytes[1736] = static_cast<char>(layout.blocks[2].front() + 1);
  bytes[1737] = bytes[1738] = bytes[1739] = 0;
  WriteFile(dir / "wrong.paf", bytes);
  EXPECT_EQ(Open(dir / "wrong.paf", &error), nullptr);
  EXPECT_EQ(error, "Invalid PAF 4 File");
  // A map block that is not one fails without a message.
  for (int version : {4, 5}) {
    bytes = PAFWriter::Bytes(FamilyBook(version), &layout);
    bytes[layout.MapBlock(0)] = 0;
    WriteFile(dir / "nomap.paf", bytes);
    EXPECT_EQ(Open(dir / "nomap.paf", &error), nullptr) << version;
    EXPECT_EQ(error, "") << version;
  }
}

// The viewer's open cycle shows the reader's refusal and its import failure, and opens the
// versions it reads.
TEST(PAFOpen, TheOpenCycleShowsWhyAFileIsNotShown) {
  struct Host : WOpenCycleHost {
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void SetCaption(const std::string& text) override { caption = text; }
    std::vector<std::string> messages;
    std::string caption;
  } host;
  WOpenCycle cycle(host);
  TempDir dir;
  WriteFile(dir / "other.paf", std::string("\0\0\0\0"
                                           "600\0"
                                           "PAF\0",
                                           12));
  EXPECT_FALSE(cycle.OpenGenealogyFile(dir / "other.paf"));
  std::string bytes = PAFWriter::Bytes(FamilyBook(4));
  bytes[1736] = bytes[1737] = bytes[1738] = bytes[1739] = 0;
  WriteFile(dir / "nototals.paf", bytes);
  EXPECT_FALSE(cycle.OpenGenealogyFile(dir / "nototals.paf"));
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Unknown PAF file format", "Invalid PAF 4 File"}));
  for (int version : {3, 4, 5}) {
    const std::string path = WriteBook(dir, "family" + std::to_string(version) + ".paf", FamilyBook(version));
    EXPECT_TRUE(cycle.OpenGenealogyFile(path)) << version;
    EXPECT_EQ(host.caption, std::string(WOpenCycle::kCaption) + " - " + path);
    EXPECT_EQ(cycle.Collection()->IndividualCount(), 8);
  }
  EXPECT_EQ(host.messages.size(), 2u);
}

TEST(PAFOpen, NumberingYieldsAndStopsWhenCancelled) {
  PAFBook book;
  book.version = 5;
  book.person_count = 2500;
  book.person = [](int rin) { return Person('M', "P" + std::to_string(rin), "Many"); };
  TempDir dir;
  const std::string path = WriteBook(dir, "many.paf", book);
  std::string error;
  std::unique_ptr<WABSCollection> c = CreateCollectionForFile(path, error);
  ASSERT_TRUE(c);
  int yields = 0;
  SetYieldHook([&] {
    if (++yields == 2) ImportCancelled = true;
  });
  ImportCancelled = false;
  EXPECT_FALSE(c->Import());
  SetYieldHook(nullptr);
  ImportCancelled = false;
  EXPECT_EQ(yields, 2);
  EXPECT_EQ(c->GetImportError(), "");
  std::unique_ptr<WABSCollection> whole = Open(path);
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->IndividualCount(), 2500);
}

}  // namespace
