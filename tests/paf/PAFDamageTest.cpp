// Damaged PAF files: each fault that copying and old disks leave in a file (chains that loop,
// counts and links out of range, records cut off by the end of the file) gives empty values or
// shorter lists, never a hang, a crash or a read outside the mapping.  Then a deterministic
// sweep: every fixture truncated at a few hundred points and with single bytes changed in its
// header, maps and records opens or is refused, and a full walk and dump finish.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "PAFFixtures.h"
#include "formats/paf/PAFCollection.h"
#include "fuzz/FuzzReader.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"

namespace {

using namespace paf_fixtures;

void Put32(std::string& bytes, uint64_t at, int32_t value) {
  for (int k = 0; k < 4; ++k)
    bytes[at + k] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * k)) & 0xFF);
}

int32_t Get32(const std::string& bytes, uint64_t at) {
  uint32_t value = 0;
  for (int k = 3; k >= 0; --k) value = value << 8 | static_cast<unsigned char>(bytes[at + k]);
  return static_cast<int32_t>(value);
}

void Put16(std::string& bytes, uint64_t at, int value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

// Header offsets of the counts and chain heads, by version.
struct HeaderFields {
  uint64_t individuals, first_deleted_individual, marriages, first_deleted_marriage;
};
HeaderFields Header(int version) {
  return version == 5 ? HeaderFields{22, 34, 130, 142} : HeaderFields{14, 26, 30, 38};
}

class PAFDamage : public testing::TestWithParam<int> {
 protected:
  // Writes the bytes and opens them as the viewer does.
  std::unique_ptr<WABSCollection> OpenBytes(const std::string& bytes) {
    const std::string path = dir_ / ("damaged" + std::to_string(++files_) + ".paf");
    WriteFile(path, bytes);
    std::string error;
    std::unique_ptr<WABSCollection> c = Open(path, &error);
    EXPECT_TRUE(c) << error;
    return c;
  }
  WPAFCollection& Paf(WABSCollection& c) { return dynamic_cast<WPAFCollection&>(c); }
  int Version() const { return GetParam(); }
  bool V5() const { return GetParam() == 5; }

  TempDir dir_;
  int files_ = 0;
};

TEST_P(PAFDamage, DeletedChainsThatLoopEnd) {
  PAFBook book = FamilyBook(Version());
  book.families[3].deleted = true;  // families 3 and 4 deleted: 3 -> 4
  PAFFileLayout layout;
  std::string bytes = PAFWriter::Bytes(book, &layout);
  const uint64_t next = V5() ? 0 : 1;
  // Family 4 leads back to family 3.
  Put32(bytes, layout.Record(3, 4) + next, 3);
  // Person 3 (deleted) leads to itself.
  Put32(bytes, layout.Record(2, 3) + next, 3);
  std::unique_ptr<WABSCollection> c = OpenBytes(bytes);
  ASSERT_TRUE(c);
  EXPECT_EQ(Paf(*c).DeletedMarriages(), 2);
  EXPECT_EQ(Paf(*c).DeletedIndividuals(), 1);
  EXPECT_EQ(c->IndividualCount(), 8);
}

// What reading meets of the damage stays recorded on the collection, for the notice the viewer
// and the CLI give; a sound file read from end to end records none.
TEST_P(PAFDamage, DamageMetIsRecordedOnTheCollection) {
  PAFBook book = FamilyBook(Version());
  book.families[3].deleted = true;
  PAFFileLayout layout;
  const std::string bytes = PAFWriter::Bytes(book, &layout);
  std::unique_ptr<WABSCollection> sound = OpenBytes(bytes);
  ASSERT_TRUE(sound);
  WalkCollection(*sound);
  EXPECT_FALSE(sound->MetDamage());

  // A chain of deleted families that returns to its start: met while importing.
  std::string looped = bytes;
  Put32(looped, layout.Record(3, 4) + (V5() ? 0 : 1), 3);
  std::unique_ptr<WABSCollection> c = OpenBytes(looped);
  ASSERT_TRUE(c);
  EXPECT_TRUE(c->MetDamage());

  // A name whose text runs past the end of the file: met when the person is read.
  std::string far = bytes;
  Put32(far, layout.Record(2, 1) + (V5() ? 0 : 1), static_cast<int32_t>(bytes.size()) - 5);
  c = OpenBytes(far);
  ASSERT_TRUE(c);
  EXPECT_FALSE(c->MetDamage());
  EXPECT_EQ(c->GetIndividual(1)->GetName()->GetSurname(), "");
  EXPECT_TRUE(c->MetDamage());
}

TEST_P(PAFDamage, DeletedRinsOutsideTheRecordsAreNotMarked) {
  PAFFileLayout layout;
  std::string bytes = PAFWriter::Bytes(FamilyBook(Version()), &layout);
  const HeaderFields h = Header(Version());
  const uint64_t next = V5() ? 0 : 1;
  for (int32_t beyond : {10, 5000, -7, 0x7FFFFFFF}) {
    std::string damaged = bytes;
    Put32(damaged, h.first_deleted_individual, beyond);
    std::unique_ptr<WABSCollection> c = OpenBytes(damaged);
    ASSERT_TRUE(c);
    EXPECT_EQ(Paf(*c).DeletedIndividuals(), 0) << beyond;
    EXPECT_EQ(c->IndividualCount(), 9) << beyond;
    // The chain of person 3 leading outside stops there.
    damaged = bytes;
    Put32(damaged, layout.Record(2, 3) + next, beyond);
    c = OpenBytes(damaged);
    EXPECT_EQ(Paf(*c).DeletedIndividuals(), 1) << beyond;
  }
}

TEST_P(PAFDamage, HeaderCountsAreClampedToWhatTheFileHolds) {
  std::string bytes = PAFWriter::Bytes(FamilyBook(Version()));
  const HeaderFields h = Header(Version());
  for (int32_t count : {0x7FFFFFFF, 100000, -5}) {
    std::string damaged = bytes;
    Put32(damaged, h.individuals, count);
    Put32(damaged, h.marriages, count);
    std::unique_ptr<WABSCollection> c = OpenBytes(damaged);
    ASSERT_TRUE(c);
    // No more than one block of individuals and one of marriages can be there.
    EXPECT_LE(c->IndividualCount(), V5() ? 37 : 27) << count;
    EXPECT_LE(c->FamilyCount(), V5() ? 77 : 74) << count;
    EXPECT_GE(c->FamilyCount(), 0) << count;
    if (count < 0) {
      EXPECT_EQ(c->IndividualCount(), 0);
    }
    WalkCollection(*c);
  }
}

// Version 3 keeps no map count.
TEST(PAFDamage45, MapCountsAreClampedToTheMapsInTheFile) {
  for (int version : {4, 5}) {
    SCOPED_TRACE(version);
    const uint64_t maps = version == 5 ? 18 : 190;
    std::string bytes = PAFWriter::Bytes(FamilyBook(version));
    TempDir dir;
    for (int32_t count : {0x7FFFFFFF, 31, 102, 5, -1}) {
      Put32(bytes, maps, count);
      WriteFile(dir / "maps.paf", bytes);
      std::unique_ptr<WABSCollection> c = Open(dir / "maps.paf");
      ASSERT_TRUE(c) << count;
      EXPECT_EQ(c->IndividualCount(), count < 0 ? 0 : 8) << count;
    }
  }
}

// Totals that name more blocks of a type than the map lists: the records beyond are not there,
// instead of being read from the blocks of the next type.
TEST_P(PAFDamage, TotalsBeyondTheMapsBlocksLocateNothing) {
  std::string bytes = PAFWriter::Bytes(FamilyBook(Version()));
  const HeaderFields h = Header(Version());
  const uint64_t individuals_total = V5() ? 4096 + 2 : 2048 + 2;
  // Version 4 raises its totals block's count to this header count.
  Put16(bytes, individuals_total, 40);
  Put32(bytes, h.individuals, 500);
  std::unique_ptr<WABSCollection> c = OpenBytes(bytes);
  ASSERT_TRUE(c);
  WPAFCollection& paf = Paf(*c);
  for (int rin = 40; rin <= 500; rin += 23) EXPECT_EQ(paf.IndividualPos(rin), 0u) << rin;
  EXPECT_LE(c->IndividualCount(), V5() ? 37 : 27);
  WalkCollection(*c);
}

TEST_P(PAFDamage, RecordsAndTextsCutOffByTheEndOfTheFileAreAbsent) {
  PAFFileLayout layout;
  std::string bytes = PAFWriter::Bytes(FamilyBook(Version()), &layout);
  // Cut inside the record of the last person (RIN 9).
  const uint64_t last = layout.Record(2, 9);
  std::string cut = bytes.substr(0, last + 10);
  std::unique_ptr<WABSCollection> c = OpenBytes(cut);
  ASSERT_TRUE(c);
  WPAFCollection& paf = Paf(*c);
  EXPECT_EQ(paf.IndividualPos(9), 0u);
  EXPECT_NE(paf.IndividualPos(8), 0u);
  EXPECT_EQ(c->GetIndividual(8), nullptr) << "RIN 9 is list position 8";
  WalkCollection(*c);
  // A name pointer past the end of the file gives an empty name.
  std::string far = bytes;
  Put32(far, layout.Record(2, 1) + (V5() ? 0 : 1), static_cast<int32_t>(bytes.size()) - 5);
  c = OpenBytes(far);
  EXPECT_EQ(c->GetIndividual(1)->GetName()->GetSurname(), "");
}

TEST_P(PAFDamage, ChildWalksStopAt501AndAtARepeatedChildLink) {
  PAFBook book;
  book.version = Version();
  book.people.push_back(Person('M', "Father", "Many"));
  PAFFamily family = Family(1, 0);
  for (int k = 0; k < 600; ++k) {
    book.people.push_back(Person('F', "Child" + std::to_string(k), "Many"));
    family.children.push_back(k + 2);
  }
  book.families = {family};
  PAFFileLayout layout;
  std::string bytes = PAFWriter::Bytes(book, &layout);
  const uint64_t next_child = V5() ? 4 : 5;
  // The last child link leads back to the first: past 501 children the walk still ends.
  Put32(bytes, layout.Record(5, 600) + next_child, 1);
  std::unique_ptr<WABSCollection> c = OpenBytes(bytes);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->GetFamily(1)->ChildCount(), 501);
  // A loop after two children.
  Put32(bytes, layout.Record(5, 2) + next_child, 1);
  c = OpenBytes(bytes);
  EXPECT_EQ(c->GetFamily(1)->ChildCount(), 2);
}

// Links to deleted people resolve to no one, but the walk goes on to the living children after
// them.
TEST_P(PAFDamage, ChildLinksToDeletedPeopleKeepTheLivingChildrenAfterThem) {
  PAFBook book = FamilyBook(Version());
  book.families[0].children = {3, 3, 4, 6};
  book.families[1].husband = 3;
  std::unique_ptr<WABSCollection> c = OpenBytes(PAFWriter::Bytes(book));
  ASSERT_TRUE(c);
  std::unique_ptr<WABSMarriage> family = c->GetFamily(1);
  ASSERT_EQ(family->ChildCount(), 2);
  EXPECT_EQ(family->GetChild(1), 3);
  EXPECT_EQ(family->GetChild(2), 5);
  // A spouse that is a deleted person is no one.
  EXPECT_EQ(c->GetFamily(2)->GetHusband(), 0);
  EXPECT_EQ(c->GetFatherOf(1), 0);
}

TEST_P(PAFDamage, CitationChainsGiveAtMost99AndEndAtALoop) {
  PAFBook book = FamilyBook(Version());
  book.people[1].citations.clear();
  for (int k = 0; k < 120; ++k) book.people[1].citations.push_back({2, "Page " + std::to_string(k), ""});
  PAFFileLayout layout;
  std::string bytes = PAFWriter::Bytes(book, &layout);
  std::unique_ptr<WABSCollection> c = OpenBytes(bytes);
  ASSERT_TRUE(c);
  std::unique_ptr<WABSIndividual> mary = c->GetIndividual(2);
  EXPECT_EQ(mary->CitationCount(), 99);
  EXPECT_TRUE(mary->GetCitation(99));
  EXPECT_EQ(mary->GetCitation(100), nullptr);
  // John's two citations (numbers 1 and 2), the second leading back to the first.
  Put32(bytes, layout.Record(6, 2) + (V5() ? 120 : 115), 1);
  c = OpenBytes(bytes);
  EXPECT_EQ(c->GetIndividual(1)->CitationCount(), 2);
  EXPECT_EQ(Paf(*c).CitationChain(2).size(), 2u);
  EXPECT_EQ(Paf(*c).CitationChain(0).size(), 0u);
  EXPECT_EQ(Paf(*c).CitationChain(-1).size(), 0u);
}

TEST_P(PAFDamage, NoteSpouseParentAndOtherEventChainsThatLoopEnd) {
  PAFBook book = FamilyBook(Version());
  PAFFileLayout layout;
  std::string bytes = PAFWriter::Bytes(book, &layout);
  // The first note record (John's two-line note fits one piece) leads to itself.
  Put32(bytes, layout.Record(4, 1), 1);
  // John's second marriage leads back to the first one through his side.
  Put32(bytes, layout.Record(3, 4) + (V5() ? 16 : 77), 1);
  // John's child link leads to itself as his next parent family.
  Put32(bytes, layout.Record(5, 4) + (V5() ? 8 : 9), 4);
  if (Version() != 3) Put32(bytes, layout.Record(12, 2), 1);  // the other events loop
  std::unique_ptr<WABSCollection> c = OpenBytes(bytes);
  ASSERT_TRUE(c);
  std::unique_ptr<WABSIndividual> john = c->GetIndividual(1);
  EXPECT_EQ(john->SpouseFamilyCount(), 2);
  EXPECT_EQ(john->ParentFamilyCount(), 1);
  EXPECT_EQ(john->EventCount(evOther), Version() == 3 ? 0 : 2);
  EXPECT_EQ(john->GetNote()->LineCount(), 2);
  WalkCollection(*c);
}

TEST(PAFDamage5, TypedTextChainsThatLoopEndAndNamesPastTheEndAreEmpty) {
  PAFBook book = FamilyBook(5);
  book.people[0].reference.clear();
  PAFFileLayout layout;
  std::string bytes = PAFWriter::Bytes(book, &layout);
  const int32_t name = Get32(bytes, layout.Record(2, 1));
  // The name's record leads to the AFN's, which leads back to the name's: no reference number.
  const int32_t afn = Get32(bytes, static_cast<uint64_t>(name));
  Put32(bytes, static_cast<uint64_t>(afn), name);
  // A name of a negative length.
  Put16(bytes, static_cast<uint64_t>(name) + 13, 0xFFFF);
  TempDir dir;
  WriteFile(dir / "t.paf", bytes);
  std::unique_ptr<WABSCollection> c = Open(dir / "t.paf");
  ASSERT_TRUE(c);
  std::unique_ptr<WABSIndividual> person = c->GetIndividual(1);
  EXPECT_EQ(person->GetReferenceNumber(), "");
  EXPECT_EQ(person->GetAFN(), "1A2B-3C");
  EXPECT_EQ(person->GetName()->GetGivenNames(), "");
}

INSTANTIATE_TEST_SUITE_P(Versions, PAFDamage, testing::Values(3, 4, 5),
                         [](const testing::TestParamInfo<int>& info) {
                           return "PAF" + std::to_string(info.param);
                         });

// --- The sweep.

// A small deterministic generator of positions.
class Positions {
 public:
  explicit Positions(uint64_t seed) : state_(seed) {}
  uint64_t Next(uint64_t below) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return below ? (state_ >> 33) % below : 0;
  }

 private:
  uint64_t state_;
};

struct SweepCase {
  const char* name;
  PAFBook book;
};

// Every variant goes through the viewer's whole road: probe, import, links, a walk of every
// record and the model dump.
void Survive(const std::string& bytes) {
  FuzzReaderBytes(WPAFCollection::ReaderInfo(), reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

TEST(PAFDamageSweep, TruncatedAndChangedFilesOpenOrAreRefused) {
  const SweepCase cases[] = {{"family3", FamilyBook(3)},   {"family4", FamilyBook(4)},
                             {"family5", FamilyBook(5)},   {"many4", ManyBlocksBook(4)},
                             {"many5", ManyBlocksBook(5)}, {"empty5", EmptyBook(5)}};
  int variants = 0;
  for (const SweepCase& c : cases) {
    SCOPED_TRACE(c.name);
    PAFFileLayout layout;
    const std::string bytes = PAFWriter::Bytes(c.book, &layout);
    Positions positions(bytes.size());
    // Truncated at 300 points, more of them in the header and the first map block.
    for (int k = 0; k < 300; ++k) {
      const uint64_t end = k < 100 ? (layout.data_base + 2 * 8192) * k / 100 : positions.Next(bytes.size());
      Survive(bytes.substr(0, std::min<uint64_t>(end, bytes.size())));
      ++variants;
    }
    // Single bytes changed: in the header, in the map block's type bytes, in the records.
    for (int k = 0; k < 600; ++k) {
      std::string damaged = bytes;
      uint64_t at = 0;
      if (k < 200)
        at = positions.Next(layout.data_base);
      else if (k < 300)
        at = layout.data_base + 1 + positions.Next(63);
      else
        at = layout.data_base + 8192 + positions.Next(bytes.size() - layout.data_base - 8192);
      const int change = k % 3 == 0 ? 0xFF : static_cast<int>(positions.Next(256));
      damaged[at] = static_cast<char>(k % 3 == 0 ? damaged[at] ^ change : change);
      Survive(damaged);
      ++variants;
    }
  }
  EXPECT_EQ(variants, 6 * 900);
}

}  // namespace
