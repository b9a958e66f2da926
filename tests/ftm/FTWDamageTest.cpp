// Damaged Family Tree Maker files: cycles in every chain the reader follows, block, page and
// slot numbers out of range, lengths larger than the file, wrong stored counts, a cancelled
// import.  Each opens (or is refused), reads what can be read, and ends.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "FTWFixtures.h"
#include "FTWTestFile.h"
#include "export/ModelDump.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"
#include "model/ABSNote.h"
#include "model/ABSSubmitter.h"
#include "model/ABSVitEvent.h"
#include "model/GeneralInfo.h"
#include "support/CollectionWalk.h"

namespace {

using ftw::Image;

// Reads everything the collection offers; fails the test when that takes a second or more.
void WalkWithinASecond(WABSCollection& collection) {
  const auto start = std::chrono::steady_clock::now();
  WalkCollection(collection);
  size_t lines = 0;
  WModelDump(collection).WriteAll([&](const std::string&) { ++lines; });
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

class FTWDamage : public testing::Test {
 protected:
  void SetUp() override { image_ = ftw::Write(ftw_fixtures::FamilyFixture()); }

  // Opens the (damaged) image; the test fails when it does not open.
  std::unique_ptr<WFTWCollection> Open() {
    auto collection = OpenImage(image_, dir_);
    EXPECT_NE(collection, nullptr);
    if (collection) WalkWithinASecond(*collection);
    return collection;
  }
  const std::vector<int32_t>& Chain(const std::string& name) { return image_.chains.at(name); }
  // The directory entry of note n (1-based) of the fixture: the family note, then the notes
  // of Josiah, Lydia (long) and Edward.
  uint64_t NoteEntry(int n) { return image_.note_entries.at(static_cast<size_t>(n) - 1); }

  TempDir dir_;
  Image image_;
};

TEST_F(FTWDamage, ACycleInAnyChainEndsItsWalk) {
  for (const char* name :
       {"slots", "individuals", "information", "sources", "note pieces", "piece links", "directory"}) {
    SCOPED_TRACE(name);
    SetUp();
    const std::vector<int32_t> blocks = Chain(name);
    ASSERT_FALSE(blocks.empty());
    image_.SetNext(blocks.back(), blocks.front());
    auto c = Open();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->IndividualCount(), 43);
    EXPECT_EQ(c->NoteCount(), 4);
    EXPECT_EQ(c->SourceCount(), 5);
    EXPECT_EQ(c->SlotCount(), static_cast<int32_t>(Chain("slots").size()) * 8 - 1);
    // A loop in the middle of the chain cuts it there.
    if (blocks.size() > 2) {
      SetUp();
      image_.SetNext(blocks[1], blocks[0]);
      EXPECT_NE(Open(), nullptr);
    }
  }
}

TEST_F(FTWDamage, BlockNumbersBeyondTheFileEndTheChain) {
  // (n + 1) * 512 of this block is 2^32 + 512: in 32 bits it would be the first block.
  const std::vector<int32_t> blocks = Chain("individuals");
  image_.SetNext(blocks[0], 8388608);
  auto c = Open();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->IndividualCount(), 3);  // the first block holds positions 1 to 3

  for (int32_t bad : {-7, 0x7FFFFFFF, 100000}) {
    SetUp();
    image_.SetNext(Chain("slots")[0], bad);
    auto cut = Open();
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(cut->SlotCount(), 7);
    // A first block beyond the file is no table at all.
    SetUp();
    image_.PutI32(1280 + 116, bad);
    auto none = Open();
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->SlotCount(), 0);
    EXPECT_EQ(none->GetIndividual(1)->GetNoteText(), "");
  }
}

TEST_F(FTWDamage, PagesBeyondThePageCountOrTheFile) {
  // More pages claimed than the file has blocks; a page whose block lies outside the file.
  image_.PutI32(44, 0x7FFFFFFF);
  auto c = Open();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->IndividualCount(), 43);
  SetUp();
  image_.PutI32(76, 5000000);
  auto no_page = Open();
  ASSERT_NE(no_page, nullptr);
  EXPECT_LE(no_page->IndividualCount(), 3);

  // The tables of the extension file lie in blocks only the pages after the 109th describe:
  // with the count cut to 109, every chain ends after its first block.
  image_ = ftw::Write(ftw_fixtures::ExtensionFixture());
  image_.PutI32(44, 109);
  auto cut = Open();
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(cut->IndividualCount(), 3);
  EXPECT_EQ(cut->SlotCount(), 7);
}

TEST_F(FTWDamage, ZeroPagesMeansNoChain) {
  image_.PutI32(44, 0);
  auto c = Open();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->IndividualCount(), 0);
  EXPECT_EQ(c->FamilyCount(), 0);
  EXPECT_EQ(c->NoteCount(), 0);
  EXPECT_EQ(c->SourceCount(), 0);
  EXPECT_EQ(c->NextBlock(1), 0);
  EXPECT_EQ(c->GetSubmitter()->GetName(), "");
}

TEST_F(FTWDamage, TheExtensionChainIsFollowedOnce) {
  image_ = ftw::Write(ftw_fixtures::ExtensionFixture());
  const int32_t extension = Chain("extension")[0];
  // More pages than one extension block lists, and the block naming itself as the next.
  image_.PutI32(44, 300);
  image_.PutI32(Image::BlockOffset(extension) + 508, extension);
  auto c = Open();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->IndividualCount(), 12);
  int count = 0;
  auto rows = std::make_unique<GenHeaderRecs>();
  c->GetHeaderInfo(count, *rows);
  ASSERT_EQ(count, 4);
  EXPECT_EQ((*rows)[1].value, "300");
  EXPECT_EQ((*rows)[3].value, std::to_string(extension));
}

TEST_F(FTWDamage, SlotNumbersOutOfRangeGiveEmptyAnswers) {
  const uint64_t josiah = image_.RecordOffset(1);
  image_.PutI32(josiah + 8, 0x7FFFFFFF);                                   // birth place
  image_.PutI32(josiah + 24, -5);                                          // rest of the name
  image_.PutI32(josiah + 20, 123456);                                      // note reference
  image_.PutI32(josiah + 32, 0x40000000);                                  // citation reference
  image_.PutI32(josiah + 124, 99999);                                      // facts
  image_.PutI32(josiah + 52, 77777);                                       // parents
  image_.PutI32(josiah + 56, 88888);                                       // spouses
  image_.PutI32(image_.RecordOffset(2) + 44, 55555);                       // more parents
  image_.PutI32(image_.SlotOffset(image_.family_slots[1]) + 36, 1 << 30);  // a family's place
  auto c = Open();
  ASSERT_NE(c, nullptr);
  auto person = c->GetIndividual(1);
  EXPECT_EQ(person->GetEventPlaceText(evBirth), "");
  EXPECT_EQ(person->GetEventDateText(evBirth), "10 Feb 1699/1700");
  EXPECT_EQ(person->GetSurnameText(), "Ashford");
  EXPECT_EQ(person->GetNote(), nullptr);
  EXPECT_EQ(person->CitationCount(), 0);
  EXPECT_EQ(person->EventCount(evOther), 0);
  EXPECT_EQ(person->SpouseFamilyCount(), 1);  // his wife's record still names the family
  EXPECT_EQ(c->GetFamily(2)->GetPlaceText(), "");
}

TEST_F(FTWDamage, TextLengthsAreCappedByTheirChain) {
  const int place = image_.people[0].birth_place;
  for (int32_t length : {0x7FFFFFFF, -1}) {
    SetUp();
    image_.PutI32(image_.SlotOffset(place) + 4, length);
    auto c = Open();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->GetIndividual(1)->GetEventPlaceText(evBirth),
              length > 0 ? "Boston, Lincolnshire, England" : "");
  }
  // A piece naming itself as the next.
  SetUp();
  image_.PutI32(image_.SlotOffset(place) + 4, 0x7FFFFFFF);
  image_.PutI32(image_.SlotOffset(place), place);
  auto c = Open();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->ReadText(place, true), "Boston, Lincolnshire, Eng");
}

TEST_F(FTWDamage, NoteLengthsAndPiecesOutOfRange) {
  const std::string josiah_note = "Josiah built ships at Salem for forty years.";
  // A short note claiming almost 4096 bytes, its pieces in a cycle.
  const int32_t start = image_.I32(NoteEntry(2) + 116);
  const uint64_t links = Image::BlockOffset(Chain("piece links")[0]);
  const int32_t second = image_.I32(links + 4 * static_cast<uint64_t>(start));
  image_.PutI32(NoteEntry(2) + 120, 4000);
  image_.PutI32(links + 4 * static_cast<uint64_t>(second), start);
  auto c = Open();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->ReadNote(2), josiah_note);

  // A note whose piece lies outside the store ends; it never reads the file's header.
  for (int32_t bad : {100000, -2, 0x7FFFFFFF}) {
    SetUp();
    image_.PutI32(NoteEntry(2) + 116, bad);
    auto outside = Open();
    ASSERT_NE(outside, nullptr);
    EXPECT_EQ(outside->ReadNote(2), "");
  }
  // A next piece outside the store ends the note after the first.
  SetUp();
  image_.PutI32(links + 4 * static_cast<uint64_t>(start), 100000);
  auto first_only = Open();
  ASSERT_NE(first_only, nullptr);
  EXPECT_EQ(first_only->ReadNote(2), josiah_note.substr(0, 32));

  // A long note claiming 2 GB; then with its blocks in a cycle.
  SetUp();
  image_.PutI32(NoteEntry(3) + 120, 0x7FFFFFF0);
  auto huge = Open();
  ASSERT_NE(huge, nullptr);
  EXPECT_EQ(huge->ReadNote(3), ftw_fixtures::LongNote());
  const int32_t long_start = image_.I32(NoteEntry(3) + 116);
  const int32_t long_second = image_.Next(long_start);
  image_.SetNext(long_second, long_start);
  auto looped = Open();
  ASSERT_NE(looped, nullptr);
  EXPECT_EQ(looped->ReadNote(3), ftw_fixtures::LongNote().substr(0, 512));
}

TEST_F(FTWDamage, ListCyclesInFactsParentsSpousesAndSources) {
  // Henry's spouse list, Prudence's parent list and George's second fact list name
  // themselves as the next.
  const int spouse_list = image_.people[17].spouse_lists.at(0);
  image_.PutI32(image_.SlotOffset(spouse_list), spouse_list);
  const int parent_list = image_.people[12].parent_lists.at(0);
  image_.PutI32(image_.SlotOffset(parent_list), parent_list);
  const int facts = image_.people[28].fact_lists.at(1);
  image_.PutI32(image_.SlotOffset(facts), image_.people[28].fact_lists.at(0));
  auto c = Open();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->GetIndividual(17)->SpouseFamilyCount(), 6);
  EXPECT_EQ(c->GetIndividual(12)->ParentFamilyCount(), 2);
  EXPECT_EQ(c->GetIndividual(27)->EventCount(evOther), 9);

  // The second source page names the first as its next.
  image_ = ftw::Write(ftw_fixtures::ExtensionFixture());
  image_.PutI32(Image::BlockOffset(Chain("sources")[4]), 1);
  auto sources = Open();
  ASSERT_NE(sources, nullptr);
  EXPECT_EQ(sources->SourceCount(), 300);
}

TEST_F(FTWDamage, FactTableStopsAt1024Entries) {
  ftw::Description d;
  ftw::Person p = ftw_fixtures::P("Many \\Facts\\", 'M');
  for (int k = 0; k < 1100; ++k)
    p.facts.push_back(ftw_fixtures::Ft("Census", ftw::DateWord(0, 0, 1800 + k % 200)));
  p.facts.push_back(ftw_fixtures::Ft("Burial", ftw::DateWord(0, 0, 1900)));
  d.people = {p};
  image_ = ftw::Write(d);
  auto c = Open();
  ASSERT_NE(c, nullptr);
  auto person = c->GetIndividual(1);
  EXPECT_EQ(person->EventCount(evOther), WFTWCollection::kMaxFacts);
  EXPECT_EQ(person->EventCount(evBurial), 0);  // beyond the table's end
}

TEST_F(FTWDamage, StoredCountsAreClampedAndLinksCoverEveryoneFound) {
  ftw::Description d;
  d.people = {ftw_fixtures::P("Father \\One\\", 'M'), ftw_fixtures::P("Mother \\One\\", 'F'),
              ftw_fixtures::P("Child \\One\\", 'M'), ftw_fixtures::P("Child \\Two\\", 'F'),
              ftw_fixtures::P("Child \\Three\\", 'M')};
  d.people[0].spouses = {1};
  d.people[1].spouses = {1};
  for (size_t k = 2; k < 5; ++k) d.people[k].parents = 1;
  d.families = {ftw_fixtures::F(1, 2, 0, "")};
  // Two stored: the first block (positions 1 to 3) is read to its end; the third person
  // still has his links.
  d.stored_count = 2;
  image_ = ftw::Write(d);
  auto c = Open();
  ASSERT_NE(c, nullptr);
  ASSERT_EQ(c->IndividualCount(), 3);
  EXPECT_EQ(c->GetIndividual(3)->ParentFamilyCount(), 1);
  EXPECT_EQ(c->GetFamily(1)->ChildCount(), 1);
  EXPECT_EQ(c->GetFatherOf(3), 1);

  struct Case {
    int stored;
    int found;
  };
  for (const Case& k : {Case{-5, 3}, Case{0, 3}, Case{0x7FFFFFFF, 5}, Case{5, 5}}) {
    d.stored_count = k.stored;
    image_ = ftw::Write(d);
    auto counted = Open();
    ASSERT_NE(counted, nullptr);
    EXPECT_EQ(counted->IndividualCount(), k.found) << k.stored;
    EXPECT_EQ(counted->GetIndividual(3)->ParentFamilyCount(), 1);
    EXPECT_EQ(counted->PreCountIndividuals(), k.found);
  }
  // Without an information chain the count is 0.
  d.stored_count = 5;
  image_ = ftw::Write(d);
  image_.PutI32(1408 + 116, -2);
  auto no_information = Open();
  ASSERT_NE(no_information, nullptr);
  EXPECT_EQ(no_information->IndividualCount(), 3);
  EXPECT_EQ(no_information->GetIndividual(3)->ParentFamilyCount(), 1);
}

TEST_F(FTWDamage, ASubmitterChainThatEndsEarly) {
  // The information chain loops before its tenth block: no submitter fields.
  image_.SetNext(Chain("information")[4], Chain("information")[0]);
  auto c = Open();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->GetSubmitter()->GetName(), "");
  // The field chain loops back to its start before the fields begin.
  SetUp();
  const int start = image_.submitter_start;
  image_.PutI32(image_.SlotOffset(start + 3), start);
  auto looped = Open();
  ASSERT_NE(looped, nullptr);
  EXPECT_EQ(looped->GetSubmitter()->GetEmail(), "");
}

TEST_F(FTWDamage, ACancelledImportReturnsFalse) {
  const std::string path = dir_ / "cancel.ftw";
  ASSERT_TRUE(ftw::Save(image_, path));
  for (int allowed : {0, 1, 3, 6}) {
    int yields = 0;
    SetYieldHook([&] {
      if (++yields > allowed) ImportCancelled = true;
    });
    ImportCancelled = false;
    WFTWCollection c(path);
    EXPECT_FALSE(c.Import()) << allowed;
    SetYieldHook(nullptr);
    ImportCancelled = false;
  }
  WFTWCollection whole(path);
  EXPECT_TRUE(whole.Import());
}

}  // namespace
