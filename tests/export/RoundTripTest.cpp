// A file exported as GEDCOM and read back by our GEDCOM reader answers what the original
// answered, for everything GEDCOM carries (DumpCompare.h lists what it does not, and why).

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <cstdlib>
#include <memory>
#include <string>

#include "DumpCompare.h"
#include "app/ReaderChoice.h"
#include "base/TextUtils.h"
#include "export/GedcomExport.h"
#include "formats/ged/GEDCollection.h"
#include "ftm/FTWFixtures.h"
#include "legacy/LegacyFixture.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"
#include "paf/PAFFixtures.h"
#include "support/MemCollection.h"
#include "support/RM3Writer.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "tmg/TMG5Fixture.h"
#include "tmg/TMGFixture.h"

namespace {

namespace fs = std::filesystem;

std::string FixturePath(const std::string& location) {
  if (location.rfind("data:", 0) == 0) return TestDataPath(location.substr(5));
  if (location.rfind("corpus:", 0) == 0)
    return HaveCorpus() ? CorpusDir() + "/" + location.substr(7) : std::string();
  return SourceDir() + "/" + location;
}

// A file to take out and back: its name in the test's output, and what makes it in a folder
// and returns its path (empty: not there, the test is skipped).
struct Fixture {
  const char* name;
  std::function<std::string(const std::string& dir)> make;
  bool own_summaries = false;  // the reader summarises its sources its own way
};

// Names the fixture in the test's output.
void PrintTo(const Fixture& fixture, std::ostream* os) { *os << fixture.name; }

// A file that is there already: "data:" is tests/data, "corpus:" the shared corpus.
Fixture Existing(const char* name, const char* location) {
  return {name, [location](const std::string&) { return FixturePath(location); }};
}

// The files every reader's round trip covers.  A reader adds its fixtures here, one line each:
// an existing file, or one its test writer makes, such as
//   {"paf5", [](const std::string& dir) { return WriteSomeBook(dir + "/family.paf"); }},
const Fixture kFixtures[] = {
    Existing("sample", "data:sample.ged"),
    Existing("royal92", "corpus:ged/royal92.ged"),
    {"paf5",
     [](const std::string& dir) {
       return PAFWriter::WriteFile(paf_fixtures::FamilyBook(5), dir + "/f.paf") ? dir + "/f.paf" : "";
     }},
    {"paf4",
     [](const std::string& dir) {
       return PAFWriter::WriteFile(paf_fixtures::FamilyBook(4), dir + "/f.paf") ? dir + "/f.paf" : "";
     }},
    {"paf3",
     [](const std::string& dir) {
       return PAFWriter::WriteFile(paf_fixtures::FamilyBook(3), dir + "/f.paf") ? dir + "/f.paf" : "";
     }},
    {"rootsmagic3", [](const std::string& dir) { return RM3SampleFamily().Write(dir, "family"); }},
    {"familytreemaker",
     [](const std::string& dir) {
       return ftw::Save(ftw::Write(ftw_fixtures::FamilyFixture()), dir + "/f.ftw") ? dir + "/f.ftw" : "";
     }},
    {"legacy",
     [](const std::string& dir) {
       JetWriter w;
       BuildFamilyFixture(w);
       return w.Write(dir + "/f.fdb") ? dir + "/f.fdb" : "";
     }},
    {"tmg4", [](const std::string& dir) { return WriteFamilyProject(dir); }, true},
    {"tmg5", [](const std::string& dir) { return FamilyProject5().Write(dir, "family_.pjc"); }, true},
};

// Opens a file the way the viewer does.
std::unique_ptr<WABSCollection> Open(const std::string& path) {
  std::string error;
  std::unique_ptr<WABSCollection> collection = CreateCollectionForFile(path, error);
  EXPECT_TRUE(collection) << path << ": " << error;
  if (!collection) return nullptr;
  EXPECT_TRUE(collection->Import()) << path;
  collection->BuildLinks();
  return collection;
}

// Exports the collection into `dir` and reads the file back with our GEDCOM reader.
std::unique_ptr<WABSCollection> ExportAndReadBack(WABSCollection& collection, const TempDir& dir,
                                                  const std::string& name = "export.ged") {
  WGedcomExport exporter(collection);
  std::string error;
  EXPECT_EQ(exporter.WriteFile(dir / name, error), WGedcomExport::Result::Written) << error;
  auto back = std::make_unique<WGEDCollection>(dir / name);
  EXPECT_TRUE(back->Import());
  back->BuildLinks();
  return back;
}

std::string Joined(const std::vector<std::string>& lines, size_t max = 40) {
  std::string s;
  for (size_t i = 0; i < lines.size() && i < max; ++i) s += lines[i] + "\n";
  if (lines.size() > max) s += "... " + std::to_string(lines.size() - max) + " more\n";
  return s;
}

class RoundTrip : public ::testing::TestWithParam<Fixture> {};

TEST_P(RoundTrip, ReadsBackWhatTheOriginalAnswers) {
  TempDir dir;
  const std::string path = GetParam().make(dir.path());
  if (path.empty()) GTEST_SKIP() << "no corpus";
  std::unique_ptr<WABSCollection> original = Open(path);
  ASSERT_TRUE(original);
  std::unique_ptr<WABSCollection> back = ExportAndReadBack(*original, dir);
  const std::vector<std::string> differences = CompareDumps(*original, *back, GetParam().own_summaries);
  EXPECT_TRUE(differences.empty()) << Joined(differences);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RoundTrip, ::testing::ValuesIn(kFixtures),
                         [](const ::testing::TestParamInfo<Fixture>& info) {
                           return std::string(info.param.name);
                         });

// With ROUNDTRIP_FIXTURE_DIR set, writes every fixture into a folder of its name there and
// prints the paths, for checks by hand (bench/gramps_import.sh).
TEST(RoundTripFixtures, WrittenWhereAsked) {
  const char* target = std::getenv("ROUNDTRIP_FIXTURE_DIR");
  if (!target) GTEST_SKIP() << "ROUNDTRIP_FIXTURE_DIR is not set";
  for (const Fixture& fixture : kFixtures) {
    const std::string dir = std::string(target) + "/" + fixture.name;
    fs::create_directories(dir);
    const std::string path = fixture.make(dir);
    if (!path.empty()) std::cout << path << "\n";
  }
}

// A collection of no particular kind, with what the GEDCOM reader never produces: names with
// prefix and suffix parts, events whose type names GEDCOM knows under other tags or not at
// all, dates of every qualifier, long and multi-line notes, ordinances with status words,
// relation codes, several sealings, sources with every field.
class MemRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    RecNo s1 = mem_.AddSource("Parish register of St Mary\r\nsecond title line");
    MemSourceData& source = mem_.Source(s1);
    source.author = "Church of England";
    source.publication = "Microfilm, 1978";
    source.abbreviation = "St Mary PR";
    source.note = {"Filmed in 1978."};
    source.text = {"Baptised the 3rd.", "Witnesses: none."};
    mem_.AddSource("Family Bible");

    father_ = mem_.AddPerson("Thomas Henry", "Marwick", 'M');
    MemNameData& name = *mem_.Person(father_).name;
    name.prefix = "Dr.";
    name.suffix = "Jr.";
    name.note = {"Called Tom."};
    mem_.Person(father_).reference = "REF-7";
    mem_.Person(father_).id = "12";
    mem_.Person(father_).afn = "AB12-CD3";
    mem_.Person(father_).change_date = "2 MAR 2004";
    mem_.Person(father_).note = {"First line of the note.", std::string(600, 'x') + " end", "Ünïcödé: café",
                                 "col 1\tcol 2"};
    MemEventData& birth = mem_.AddEvent(father_, evBirth, "ABT 1821", "Whitby, Yorkshire");
    birth.type_name = "Birth";
    birth.citations.push_back(MemCitationData{"folio 14", {"A citation note."}, s1});
    // The place holds the event's citation again, as some readers give it, and one of its own.
    birth.place->citations = {birth.citations[0], MemCitationData{"map 3", {}, s1}};
    birth.note = {"Born at sea?"};
    mem_.AddEvent(father_, evDeath, "BET 1880 AND 1890").description = "Bronchitis";
    MemEventData& christening = mem_.AddEvent(father_, evChristening, "11 FEB 1821");
    christening.type_name = "Baptised at home";
    christening.description = "Y";
    MemEventData& burial = mem_.AddEvent(father_, evBurial, "UNKNOWN");
    burial.description = "Ye Burying Yard";
    burial.note = {"Beside his father."};
    auto other = [&](const char* type, const char* date, const char* description) {
      MemEventData& e = mem_.AddEvent(father_, evOther, date);
      e.type_name = type;
      e.description = description;
    };
    other("Occupation", "FROM 1850 TO 1860", "Master mariner");
    other("Residence", "BEF 1870", "");
    other("Military service", "AFT 1900", "Navy");
    other("Divorce", "EST 1875", "");
    other("Ordination", "CAL 1840", "");
    other("occupation", "TO 1862", "Harbour master");
    other("Census", "10 MAR 1750/51", "");
    other("Event", "FROM 1850", "");
    other("Graduation", "JAN 1840", "");
    other("Residence", "ABT 664 BC", "");
    MemEventData& baptism = mem_.AddEvent(father_, evLDSBaptism, "COMPLETED");
    baptism.place = MemPlaceData{"SLAKE", {}, {}};
    mem_.AddEvent(father_, evEndowment, "DNS/CAN", "SLAKE - Salt Lake City, Utah");
    mem_.AddCitation(father_, "Burials 1889, entry 1740", s1);
    mem_.AddCitation(father_, "A note in the margin", 0);

    mother_ = mem_.AddPerson("Ellen", "Harker", 'F');
    mem_.AddEvent(mother_, evBirth).description = "Y, at home";  // a GEDCOM file's "Y" with a cause
    RecNo unnamed = mem_.AddNamelessPerson('X');
    child_ = mem_.AddPerson("J", "", 'M');
    family_ = mem_.AddFamily(father_, mother_, "19 MAY 1845", "St Mary's, Whitby");
    mem_.AddChild(family_, child_, 8, 2);   // adopted
    mem_.AddChild(family_, unnamed, 7, 3);  // stepchild of the father
    MemFamilyData& family = mem_.Family(family_);
    family.note = {"Married by licence."};
    family.citations.push_back(MemCitationData{"entry 58", {}, s1});
    MemEventData sealing;
    sealing.kind = 0;
    sealing.date = "1 JAN 1900";
    family.sealings.push_back(sealing);
    sealing.date = "DNS";
    sealing.place = MemPlaceData{"LANGE", {}, {}};
    family.sealings.push_back(sealing);
    // A family without note whose citation has one.
    RecNo second = mem_.AddFamily(father_, 0);
    mem_.Family(second).citations.push_back(MemCitationData{"p. 2", {"Only the citation has a note."}, 2});
  }

  MemCollection mem_;
  RecNo father_ = 0, mother_ = 0, child_ = 0, family_ = 0;
};

TEST_F(MemRoundTrip, ReadsBackWhatTheCollectionAnswers) {
  TempDir dir;
  std::unique_ptr<WABSCollection> back = ExportAndReadBack(mem_, dir);
  const std::vector<std::string> differences = CompareDumps(mem_, *back);
  EXPECT_TRUE(differences.empty()) << Joined(differences);
  // What the comparison forgives is there in the file for other programs.
  const std::string text = ReadFile(dir / "export.ged");
  EXPECT_NE(text.find("1 FAMC @F1@\r\n2 PEDI adopted\r\n"), std::string::npos);
  EXPECT_NE(text.find("2 PEDI step\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 REFN REF-7\r\n1 REFN 12\r\n2 TYPE RIN\r\n"), std::string::npos);
  // A status goes to STAT with the date it was set (the export's day); a temple by its code.
  EXPECT_NE(text.find("1 BAPL\r\n2 STAT COMPLETED\r\n3 DATE "), std::string::npos);
  EXPECT_NE(text.find("\r\n2 TEMP SLAKE\r\n1 ENDL\r\n2 STAT DNS/CAN\r\n3 DATE "), std::string::npos);
  EXPECT_NE(text.find("\r\n2 TEMP SLAKE\r\n1 REFN"), std::string::npos);
  EXPECT_NE(text.find("1 NAME Thomas Henry /Marwick/ Jr.\r\n2 NPFX Dr.\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 OCCU Master mariner\r\n2 DATE FROM 1850 TO 1860\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 EVEN Harbour master\r\n2 TYPE occupation\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 EVEN\r\n2 TYPE Divorce\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 EVEN\r\n2 TYPE Ordination\r\n"), std::string::npos);
  // A vital event's line holds Y; any other description is a note, never a cause.  Only a type
  // name that is not the tag's own goes to TYPE.
  EXPECT_NE(text.find("1 DEAT\r\n2 DATE BET 1880 AND 1890\r\n2 NOTE Bronchitis\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 CHR Y\r\n2 TYPE Baptised at home\r\n2 DATE 11 FEB 1821\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 BURI\r\n2 DATE (UNKNOWN)\r\n2 NOTE Ye Burying Yard\r\n3 CONT Beside his father.\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("1 BIRT Y\r\n2 NOTE at home\r\n"), std::string::npos);
  EXPECT_EQ(text.find("CAUS"), std::string::npos);
  EXPECT_EQ(text.find("2 TYPE Birth"), std::string::npos);
  // The event's citation goes under the event only; the place keeps its own.
  EXPECT_NE(text.find("1 BIRT\r\n2 DATE ABT 1821\r\n2 PLAC Whitby, Yorkshire\r\n3 SOUR @S1@\r\n4 PAGE map 3\r\n"
                      "2 NOTE Born at sea?\r\n2 SOUR @S1@\r\n3 PAGE folio 14\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("1 RESI\r\n2 DATE ABT 664 B.C.\r\n"), std::string::npos);
  EXPECT_NE(text.find("2 CONT col 1\tcol 2\r\n"), std::string::npos);
  // No empty NOTE stands in a family without a note.
  EXPECT_EQ(text.find("1 NOTE\r\n"), std::string::npos);
  // Both sealings are written; our reader keeps the last.
  EXPECT_NE(text.find("1 SLGS\r\n2 DATE 1 JAN 1900\r\n1 SLGS\r\n2 STAT DNS\r\n3 DATE "), std::string::npos);
  EXPECT_NE(text.find("\r\n2 TEMP LANGE\r\n"), std::string::npos);
  // A citation without a source names what it has as the source.
  EXPECT_NE(text.find("1 SOUR A note in the margin\r\n"), std::string::npos);
}

TEST(ExportWitnesses, EachWitnessIsAnAssociationWithThePrincipals) {
  TempDir dir;
  std::unique_ptr<WABSCollection> tmg = Open(WriteFamilyProject(dir.path()));
  ASSERT_TRUE(tmg);
  int witnesses = 0;
  for (RecNo n = 1; n <= tmg->IndividualCount(); ++n) witnesses += tmg->GetIndividual(n)->WitnessCount();
  ASSERT_GT(witnesses, 0) << "the fixture has witnesses";
  std::unique_ptr<WABSCollection> back = ExportAndReadBack(*tmg, dir);
  const std::string text = ReadFile(dir / "export.ged");
  int associations = 0;
  for (size_t at = text.find("\r\n1 ASSO @I"); at != std::string::npos; at = text.find("\r\n1 ASSO @I", at + 1)) {
    ++associations;
    EXPECT_EQ(text.compare(text.find("\r\n", at + 2), 16, "\r\n2 RELA Witness"), 0);
  }
  // One for each principal of each witnessed event.
  EXPECT_GE(associations, witnesses);
}

// A reader whose citations name a source its list lacks (the last source stays out of the count).
class HiddenSourceCollection : public MemCollection {
 public:
  int SourceCount() override { return MemCollection::SourceCount() - 1; }
};

TEST(ExportSources, ACitedSourceTheFileLacksGetsARecord) {
  HiddenSourceCollection mem;
  mem.AddSource("Listed register");
  const RecNo hidden = mem.AddSource("Letters of Ann Lee");
  mem.Source(hidden).author = "Ann Lee";
  mem.Source(hidden).note = {"Kept by her niece."};
  const RecNo ann = mem.AddPerson("Ann", "Lee", 'F');
  mem.AddCitation(ann, "letter 4", hidden);
  mem.AddCitation(ann, "letter 9", hidden);
  mem.AddCitation(ann, "", 1).note = {"In the listed one."};
  mem.AddEvent(ann, evBirth, "1800").citations.push_back(MemCitationData{"letter 1", {}, hidden});
  TempDir dir;
  std::unique_ptr<WABSCollection> back = ExportAndReadBack(mem, dir);
  const std::string text = ReadFile(dir / "export.ged");
  // One record for it, after the file's own, with its note; the citations point at it.
  EXPECT_NE(text.find("1 SOUR @S2@\r\n2 PAGE letter 4\r\n1 SOUR @S2@\r\n2 PAGE letter 9\r\n"), std::string::npos);
  EXPECT_NE(text.find("2 SOUR @S2@\r\n3 PAGE letter 1\r\n"), std::string::npos);
  EXPECT_NE(text.find("0 @S2@ SOUR\r\n1 AUTH Ann Lee\r\n1 TITL Letters of Ann Lee\r\n1 NOTE Kept by her niece.\r\n"),
            std::string::npos);
  EXPECT_EQ(text.find("0 @S3@"), std::string::npos);
  EXPECT_EQ(back->SourceCount(), 2);
  const std::vector<std::string> differences = CompareDumps(mem, *back);
  EXPECT_TRUE(differences.empty()) << Joined(differences);
}

// A reader whose family lists partners and children that do not list the family.
TEST(ExportLinks, EveryPartnerAndChildListsItsFamily) {
  MemCollection mem;
  const RecNo husband = mem.AddPerson("Tom", "Ash", 'M'), wife = mem.AddPerson("Ann", "Oak", 'F');
  const RecNo child = mem.AddPerson("Kit", "Ash", 'M');
  const RecNo engaged = mem.AddFamily(husband, wife);
  const RecNo married = mem.AddFamily(husband, wife, "1850");
  mem.AddChild(married, child);
  mem.Person(husband).spouse_families = {married};  // the engagement is left out
  mem.Person(wife).spouse_families = {};
  mem.Person(child).parent_families.clear();
  TempDir dir;
  std::unique_ptr<WABSCollection> back = ExportAndReadBack(mem, dir);
  const std::string text = ReadFile(dir / "export.ged");
  const std::string f1 = "@F" + std::to_string(engaged) + "@", f2 = "@F" + std::to_string(married) + "@";
  EXPECT_NE(text.find("1 SEX M\r\n1 FAMS " + f2 + "\r\n1 FAMS " + f1 + "\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 SEX F\r\n1 FAMS " + f1 + "\r\n1 FAMS " + f2 + "\r\n"), std::string::npos);
  EXPECT_NE(text.find("1 SEX M\r\n1 FAMC " + f2 + "\r\n"), std::string::npos);
  // Each family once a person: the husband's and the wife's lines.
  auto count = [&](const std::string& line) {
    int n = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("1 FAMS " + f2 + "\r\n"), 2);
  EXPECT_EQ(count("1 FAMC " + f2 + "\r\n"), 1);
  EXPECT_EQ(back->GetIndividual(child)->ParentFamilyCount(), 1);
  EXPECT_EQ(back->GetIndividual(wife)->SpouseFamilyCount(), 2);
}

TEST_F(MemRoundTrip, ChildrenKeepTheirOrderWhateverTheRecordOrder) {
  // Children listed against record order, and the same person as child of two families.
  RecNo late = mem_.AddPerson("Late", "Marwick", 'F');
  MemFamilyData& family = mem_.Family(family_);
  family.children.insert(family.children.begin(), late);
  mem_.Person(late).parent_families.push_back(MemParentLink{family_, 7, 1});
  RecNo other = mem_.AddFamily(0, mother_);
  mem_.AddChild(other, late);
  TempDir dir;
  std::unique_ptr<WABSCollection> back = ExportAndReadBack(mem_, dir);
  const std::vector<std::string> differences = CompareDumps(mem_, *back);
  EXPECT_TRUE(differences.empty()) << Joined(differences);
}

// Every GEDCOM file of the corpus goes out and comes back with its people, families and the
// links between them (texts may lose what our reader takes from one line only).
TEST(CorpusRoundTrip, KeepsPeopleFamiliesAndLinks) {
  if (!HaveCorpus()) GTEST_SKIP() << "no corpus";
  int files = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(CorpusDir() + "/ged")) {
    if (!entry.is_regular_file()) continue;
    const std::string path = entry.path().string();
    std::string error;
    std::unique_ptr<WABSCollection> original = CreateCollectionForFile(path, error);
    if (!original) continue;  // refused, as UTF-16 files are
    if (!original->Import()) continue;
    original->BuildLinks();
    SCOPED_TRACE(path);
    TempDir dir;
    std::unique_ptr<WABSCollection> back = ExportAndReadBack(*original, dir);
    ++files;
    ASSERT_EQ(back->IndividualCount(), original->IndividualCount());
    ASSERT_EQ(back->FamilyCount(), original->FamilyCount());
    // Inline sources become records after the file's own.
    ASSERT_GE(back->SourceCount(), original->SourceCount());
    int differences = 0;
    for (RecNo n = 1; n <= original->IndividualCount(); ++n) {
      auto a = original->GetIndividual(n), b = back->GetIndividual(n);
      ASSERT_TRUE(a && b);
      bool same = a->ParentFamilyCount() == b->ParentFamilyCount() &&
                  a->SpouseFamilyCount() == b->SpouseFamilyCount();
      for (int i = 1; same && i <= a->ParentFamilyCount(); ++i)
        same = a->GetParentFamily(i) == b->GetParentFamily(i);
      for (int i = 1; same && i <= a->SpouseFamilyCount(); ++i)
        same = a->GetSpouseFamily(i) == b->GetSpouseFamily(i);
      same = same && ReplaceChar(a->GetFullName(true), '\t', " ") == b->GetFullName(true) &&
             a->GetSex() == b->GetSex();
      if (!same && ++differences <= 5) ADD_FAILURE() << "individual " << n;
    }
    for (RecNo n = 1; n <= original->FamilyCount(); ++n) {
      auto a = original->GetFamily(n), b = back->GetFamily(n);
      ASSERT_TRUE(a && b);
      a->OrderChildren();
      b->OrderChildren();
      bool same = a->GetHusband() == b->GetHusband() && a->GetWife() == b->GetWife() &&
                  a->ChildCount() == b->ChildCount();
      for (int i = 1; same && i <= a->ChildCount(); ++i) same = a->GetChild(i) == b->GetChild(i);
      if (!same && ++differences <= 5) ADD_FAILURE() << "family " << n;
    }
  }
  EXPECT_GE(files, 20);
}

}  // namespace
