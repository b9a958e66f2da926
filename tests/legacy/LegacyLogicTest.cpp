// The Legacy reader's logic on the family fixture, run twice: over the Jet file through libmdb
// and over the same tables in memory.  Both must answer alike.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "LegacyFixture.h"
#include "base/Date.h"
#include "base/Settings.h"
#include "base/UIHooks.h"
#include "formats/legacy/LEGCollection.h"
#include "formats/legacy/LEGNote.h"
#include "formats/legacy/MDBDatabase.h"
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
#include "support/TempDir.h"

namespace {

enum class Engine { Jet, Memory };

std::unique_ptr<WLEGCollection> OpenFixture(Engine engine, const JetWriter& writer, const TempDir& dir,
                                            const std::string& name = "family.fdb") {
  const std::string path = dir / name;
  if (engine == Engine::Jet) {
    EXPECT_TRUE(writer.Write(path));
    return std::make_unique<WLEGCollection>(path);
  }
  return std::make_unique<WLEGCollection>(path, MemFromJet(writer));
}

std::unique_ptr<WLEGCollection> Imported(std::unique_ptr<WLEGCollection> c) {
  ImportCancelled = false;
  EXPECT_TRUE(c->Import());
  c->BuildLinks();
  return c;
}

class LegacyLogic : public testing::TestWithParam<Engine> {
 protected:
  void SetUp() override {
    Settings().ResetToDefaults();
    BuildFamilyFixture(writer_);
    collection_ = Imported(OpenFixture(GetParam(), writer_, dir_));
  }
  void TearDown() override { Settings().ResetToDefaults(); }

  RecNo Number(int idir) { return collection_->FindIndividual(std::to_string(idir)); }
  std::unique_ptr<WABSIndividual> Person(int idir) { return collection_->GetIndividual(Number(idir)); }
  // The family number of a family identifier (families are numbered in identifier order).
  std::unique_ptr<WABSMarriage> FamilyWithId(int idmr) {
    for (RecNo f = 1; f <= collection_->FamilyCount(); ++f) {
      auto family = collection_->GetFamily(f);
      if (family->GetRecNo() == idmr) return family;
    }
    return nullptr;
  }

  TempDir dir_;
  JetWriter writer_;
  std::unique_ptr<WLEGCollection> collection_;
};

TEST_P(LegacyLogic, NumbersFollowTheIdentifiersAndSkipZeroAndDeletedRows) {
  EXPECT_TRUE(collection_->IsVersionSupported());
  EXPECT_EQ(collection_->IndividualCount(),
            40);  // identifiers 1-39 and 45; 0 and the deleted 40 are not kept
  EXPECT_EQ(collection_->FamilyCount(), 11);
  EXPECT_EQ(collection_->SourceCount(), 3);  // 1, 2 and 5; identifier 0 is not kept
  EXPECT_EQ(collection_->NoteCount(), 0);
  EXPECT_EQ(collection_->GetIdentifierSource(), "Legacy");
  EXPECT_EQ(collection_->FindIndividual("45"), 40);
  EXPECT_EQ(collection_->FindIndividual("40"), 0);
  EXPECT_EQ(collection_->FindIndividual("0"), 0);
  EXPECT_EQ(collection_->FindIndividual("x7"), 0);
  EXPECT_EQ(collection_->GetIndividual(41), nullptr);
  EXPECT_EQ(collection_->GetIndividual(0), nullptr);
  EXPECT_EQ(collection_->GetFamily(12), nullptr);
  auto ida = collection_->GetIndividual(40);
  EXPECT_EQ(ida->GetRecNo(), 45);  // the stored record number is the identifier
  EXPECT_EQ(ida->GetID(), "45");
  EXPECT_EQ(collection_->GetReferenceCaption(), "User ID");
  EXPECT_EQ(collection_->GetSubmitterCountryLabel(), "Web Site");
  EXPECT_EQ(collection_->GetVersionText(), "N/A");
  EXPECT_EQ(collection_->PreCountIndividuals(), 40);  // the record count (41 live rows) less one
}

TEST_P(LegacyLogic, PersonFieldsNamesAndRecordDates) {
  auto p = Person(1);
  EXPECT_EQ(p->GetSex(), 'M');
  EXPECT_EQ(Person(2)->GetSex(), 'F');
  EXPECT_EQ(p->GetReferenceNumber(), "U-1");
  EXPECT_EQ(p->GetAFN(), "AFN-1X2Y");
  auto name = p->GetName();
  EXPECT_EQ(name->GetSurname(), "M\xFCller");
  EXPECT_EQ(name->GetGivenNames(), "Johann Georg");
  EXPECT_EQ(name->GetPrefix(), "Dr.");
  EXPECT_EQ(name->GetSuffix(), "Sr.");
  EXPECT_EQ(name->CitationCount(), 1);
  ASSERT_NE(p->GetCreationDate(), nullptr);
  EXPECT_EQ(p->GetCreationDate()->GetDisplayText(), "2 Jun 2008");
  EXPECT_EQ(p->GetChangeDateText(), "24 Dec 2009");
  EXPECT_EQ(Person(2)->GetChangeDate(), nullptr);  // "Updated" 0
  // A record date with a month beyond 12 keeps the rest; seven digits give no date.
  EXPECT_EQ(Person(10)->GetCreationDate()->GetDisplayText(), "2008");
  ASSERT_NE(Person(8)->GetChangeDate(), nullptr);
  EXPECT_FALSE(Person(8)->GetChangeDate()->IsValid());
  EXPECT_EQ(Person(8)->GetChangeDateText(), "");
  // "Living" 0 makes a person living whatever the years; any other value does not.
  EXPECT_TRUE(Person(6)->IsLiving(1));
  EXPECT_FALSE(Person(1)->IsLiving(1000));
}

TEST_P(LegacyLogic, VitalEventsAndOtherEvents) {
  auto p = Person(1);
  EXPECT_EQ(p->GetEventDatePlaceText(1), "12 Apr 1795, N\xFCrnberg, Bayern, Germany");
  auto death = p->GetEvent(2, 1);
  ASSERT_NE(death, nullptr);
  EXPECT_EQ(death->GetTypeName(), "Death");
  EXPECT_EQ(death->GetNoteText(), "Died of a fever.");
  EXPECT_EQ(death->CitationCount(), 1);
  EXPECT_EQ(p->GetEvent(4, 1)->GetTypeName(), "Burial");
  // A vital event without date and place does not exist (and is not counted).
  auto karl = Person(5);
  EXPECT_EQ(karl->GetEvent(2, 1), nullptr);
  EXPECT_EQ(karl->EventCount(2), 0);
  EXPECT_EQ(karl->EventCount(1), 1);
  // Other events: the person's own (type 0) in "Order", not a family's; at most as listed.
  ASSERT_EQ(p->EventCount(6), 3);
  auto first = p->GetEvent(6, 1);
  EXPECT_EQ(first->GetTypeName(), "Occupation");
  EXPECT_EQ(first->GetDescription(), "Farmer");
  EXPECT_EQ(first->GetDateText(), "Abt 1820");
  auto second = p->GetEvent(6, 2);
  EXPECT_EQ(second->GetTypeName(), "Residence");
  EXPECT_EQ(second->GetPlaceText(), "M\xFCnchen, Bayern, Germany");
  EXPECT_TRUE(second->HasNote());
  EXPECT_EQ(second->GetNoteText(), "Moved to the city.");
  auto third = p->GetEvent(6, 3);
  EXPECT_EQ(third->GetTypeName(), "");  // an event type that is not in "TBLET"
  EXPECT_EQ(third->GetDateText(), "in his old age");
  EXPECT_EQ(p->GetEvent(6, 4), nullptr);
  EXPECT_EQ(p->GetEvent(6, 0), nullptr);
  EXPECT_EQ(p->GetEvent(5, 1), nullptr);
  // An event's citations are those of type 30 under its own identifier.
  EXPECT_EQ(first->CitationCount(), 0);
  EXPECT_EQ(second->CitationCount(), 1);
  auto immigration = Person(3)->GetEvent(6, 1);
  EXPECT_EQ(immigration->CitationCount(), 1);
  EXPECT_EQ(immigration->GetNoteText(), "Sailed from Bremen.\r\n\r\nAll in good health.");
}

TEST_P(LegacyLogic, EventDescriptionsOnlyFromVersion3s) {
  for (const char* version : {"3r", "3s"}) {
    JetWriter writer;
    BuildFamilyFixture(writer, version);
    auto c = Imported(OpenFixture(GetParam(), writer, dir_, std::string("v") + version + ".fdb"));
    auto immigration = c->GetIndividual(c->FindIndividual("3"))->GetEvent(6, 1);
    EXPECT_EQ(immigration->GetDescription(), std::string(version) == "3s" ? "Arrived at Castle Garden" : "")
        << version;
  }
}

TEST_P(LegacyLogic, OrdinancesAndTheirTemples) {
  auto elisabeth = Person(6);
  auto baptism = elisabeth->GetLDSEvent(7);
  ASSERT_NE(baptism, nullptr);
  EXPECT_EQ(baptism->GetTypeName(), "Baptism");
  EXPECT_EQ(baptism->GetPlaceText(), "SLAKE");  // a temple: "BaptismKind" not 0
  EXPECT_EQ(baptism->CitationCount(), 1);
  auto endowment = elisabeth->GetLDSEvent(8);
  EXPECT_EQ(endowment->GetTypeName(), "Endowment");
  EXPECT_EQ(endowment->GetPlaceText(), "LOGAN");
  EXPECT_FALSE(endowment->HasNote());
  // A baptism of kind 0 names a place instead of a temple.
  auto peter = Person(3)->GetLDSEvent(7);
  ASSERT_NE(peter, nullptr);
  EXPECT_EQ(peter->GetDateText(), "COMPLETED");
  EXPECT_EQ(peter->GetPlaceText(), "New York, New York, USA");
  // Temple 1 with an empty date is no ordinance; another temple alone is one.
  auto georg = Person(8);
  EXPECT_EQ(georg->GetLDSEvent(7), nullptr);
  ASSERT_NE(georg->GetLDSEvent(8), nullptr);
  EXPECT_EQ(georg->GetLDSEvent(8)->GetPlaceText(), "MANTI");
  // Sealing to parents from the child's row.
  auto sealed = georg->GetLDSEvent(9);
  ASSERT_NE(sealed, nullptr);
  EXPECT_EQ(sealed->GetTypeName(), "Sealed to Parents");
  EXPECT_EQ(sealed->GetDateText(), "4 Apr 1902");
  EXPECT_EQ(sealed->GetPlaceText(), "LOGAN");
  EXPECT_EQ(sealed->CitationCount(), 1);
  EXPECT_EQ(Person(13)->GetLDSEvent(9), nullptr);  // temple 1, no date
  EXPECT_EQ(Person(1)->GetLDSEvent(9), nullptr);   // nobody's child
  EXPECT_EQ(Person(1)->GetLDSEvent(6), nullptr);
}

TEST_P(LegacyLogic, FamilySealingCitesUnderTheFamilyIdentifier) {
  auto family = FamilyWithId(2);
  ASSERT_NE(family, nullptr);
  ASSERT_EQ(family->SealingCount(), 1);
  auto sealing = family->GetSealing(1);
  EXPECT_EQ(sealing->GetTypeName(), "Sealed to Spouse");
  EXPECT_EQ(sealing->GetPlaceText(), "SLAKE");
  // Type 18 links under IDMR 2 (not under the person with IDIR 2, whose link is another).
  ASSERT_EQ(sealing->CitationCount(), 2);
  EXPECT_NE(sealing->GetCitationsText().find("Sealing of spouses"), std::string::npos);
  EXPECT_EQ(FamilyWithId(6)->SealingCount(), 0);  // temple 1 only
  auto seventh = FamilyWithId(7);
  EXPECT_EQ(seventh->SealingCount(), 1);  // a temple without a date
}

TEST_P(LegacyLogic, FamiliesLinksAndPreferredFamilies) {
  auto family = FamilyWithId(2);
  EXPECT_EQ(family->GetHusband(), Number(3));
  EXPECT_EQ(family->GetWife(), Number(7));
  EXPECT_EQ(family->ChildCount(), 4);
  EXPECT_EQ(family->GetDatePlaceText(), "20 May 1844, Augsburg, Bayern, Germany");
  EXPECT_EQ(family->GetNoteText(), "Married in the village church.\r\nTwo witnesses.");
  EXPECT_EQ(family->CitationCount(), 1);
  family->OrderChildren();
  // A spouse that is not in the file is no spouse; a child that is not is no child.
  auto dangling = FamilyWithId(12);
  EXPECT_EQ(dangling->GetHusband(), 0);
  EXPECT_EQ(dangling->SpouseCount(), 1);
  auto seventh = FamilyWithId(7);
  EXPECT_EQ(seventh->ChildCount(), 2);
  // Hans is a child of families 6 and 7; "IDMRParents" names 7, which comes first.
  auto hans = Person(26);
  ASSERT_EQ(hans->ParentFamilyCount(), 2);
  EXPECT_EQ(collection_->GetFamily(hans->GetParentFamily(1))->GetRecNo(), 7);
  EXPECT_EQ(collection_->GetFamily(hans->GetParentFamily(2))->GetRecNo(), 6);
  RecNo link = 0;
  int mother = 0, father = 0;
  EXPECT_TRUE(hans->GetParentFamilyLink(1, link, mother, father));
  EXPECT_EQ(mother, 7);
  EXPECT_EQ(father, 1);
  EXPECT_FALSE(hans->GetParentFamilyLink(3, link, mother, father));
  EXPECT_EQ(collection_->GetFatherOf(Number(26)), Number(31));
  // Karl married twice; the undated first marriage would come first, "IDMRPref" puts 5 first.
  auto karl = Person(5);
  ASSERT_EQ(karl->SpouseFamilyCount(), 2);
  EXPECT_EQ(collection_->GetFamily(karl->GetSpouseFamily(1))->GetRecNo(), 5);
  EXPECT_EQ(collection_->GetFamily(karl->GetSpouseFamily(2))->GetRecNo(), 4);
  EXPECT_TRUE(Person(30)->HasNoParents());
  EXPECT_TRUE(Person(30)->HasNoSpouseFamilies());
}

TEST_P(LegacyLogic, NotesKeepEmptyLinesBetweenLineBreaks) {
  auto p = Person(1);
  EXPECT_EQ(
      p->GetNoteText(),
      "GENERAL NOTES:\r\nFarmer and mayor.\r\n\r\nServed two terms.\r\nLast line with a line feedonly.\r\n"
      "\r\nRESEARCH NOTES:\r\nSee the church book.\r\n\r\nMEDICAL NOTES:\r\nGout.");
  EXPECT_EQ(Person(3)->GetNote(), nullptr);
  // Empty lines before the first text and after the last line break are not lines.
  EXPECT_EQ(WABSNote::TextOf(WLEGNote::From("\r\nfirst\r\n\r\n\r\nsecond\r\n").get()),
            "first\r\n\r\n\r\nsecond");
  EXPECT_EQ(WLEGNote::From(""), nullptr);
  EXPECT_EQ(WLEGNote("\r\n\r\n").LineCount(), 0);
}

TEST_P(LegacyLogic, CitationsSourcesAndRepositories) {
  auto p = Person(1);
  ASSERT_EQ(p->CitationCount(), 2);  // type 0 of IDIR 1: sources 1 and 5
  auto citation = p->GetCitation(1);
  EXPECT_EQ(citation->GetDetail(), "");
  EXPECT_EQ(WABSNote::TextOf(citation->GetNote().get()), "Page 12");
  EXPECT_EQ(p->GetCitation(3), nullptr);
  EXPECT_EQ(p->GetCitation(0), nullptr);
  auto source = citation->GetSource();
  EXPECT_EQ(source->GetTitle(), "Kirchenbuch St. Lorenz, Taufen 1800-1870");
  EXPECT_EQ(source->GetAuthor(), "Evangelische Kirche");
  EXPECT_EQ(source->GetPublication(), "N\xFCrnberg, 1870");
  EXPECT_EQ(source->GetCallNumber(), "KB 12/3");
  EXPECT_TRUE(source->HasText());
  EXPECT_EQ(WABSNote::TextOf(source->GetText().get()), "Baptisms of the parish.\r\nSecond line.");
  EXPECT_TRUE(source->HasRepository());
  EXPECT_EQ(source->GetRepositoryRecord(), 1);
  // The second citation's source has only a title: the separator stays.
  EXPECT_EQ(p->GetCitation(2)->GetSource()->GetTitle(), ", Family Bible");
  // The death's citation has no detail: no note.
  EXPECT_EQ(p->GetEvent(2, 1)->GetCitation(1)->GetNote(), nullptr);
  auto repo = collection_->GetRepository(1);
  ASSERT_NE(repo, nullptr);
  EXPECT_EQ(repo->GetName(), "Staatsarchiv N\xFCrnberg");
  auto address = repo->GetAddress();
  EXPECT_EQ(address->GetAddress(),
            "Archivstra\xDF"
            "e 17");
  EXPECT_EQ(address->GetLine1(), "Postfach 12");
  EXPECT_EQ(address->GetCity(), "N\xFCrnberg");
  EXPECT_EQ(address->GetPostalCode(), "90408");
  EXPECT_EQ(address->GetPhone(), "0911 93519");
  EXPECT_EQ(WABSNote::TextOf(repo->GetNote().get()), "Open Monday to Thursday.");
  EXPECT_EQ(collection_->GetRepository(9)->GetName(), "");
  EXPECT_EQ(collection_->GetRepository(0), nullptr);
  EXPECT_EQ(collection_->GetSource(4), nullptr);
  EXPECT_EQ(collection_->GetSource(3)->GetTitle(), ", Family Bible");
}

// Each record keeps the citation list it was made with: reading another person's citations in
// between never changes what a record answers.
TEST_P(LegacyLogic, CitationListsBelongToTheirRecord) {
  auto johann = Person(1);
  auto anna = Person(2);
  auto birth = johann->GetEvent(1, 1);
  ASSERT_EQ(johann->CitationCount(), 2);
  ASSERT_EQ(anna->CitationCount(), 1);
  EXPECT_EQ(WABSNote::TextOf(johann->GetCitation(2)->GetNote().get()), "Second source of the person");
  EXPECT_EQ(WABSNote::TextOf(anna->GetCitation(1)->GetNote().get()), "Her page");
  EXPECT_EQ(anna->GetCitation(2), nullptr);
  EXPECT_EQ(WABSNote::TextOf(birth->GetCitation(1)->GetNote().get()), "Baptism entry 44");
  EXPECT_EQ(WABSNote::TextOf(johann->GetCitation(1)->GetNote().get()), "Page 12");
}

TEST_P(LegacyLogic, HeaderRowsAndSubmitter) {
  int count = 0;
  GenHeaderRecs rows;
  collection_->GetHeaderInfo(count, rows);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(rows[0].label, "File Type");
  EXPECT_EQ(rows[0].value, "Legacy Genealogy Database");
  EXPECT_EQ(rows[1].label, "Database Version");
  EXPECT_EQ(rows[1].value, "3s");
  EXPECT_EQ(rows[2].label, "File Description");
  EXPECT_EQ(rows[2].value, "M\xFCller family of Bavaria");
  EXPECT_EQ(collection_->GetHeaderText(), "");
  auto submitter = collection_->GetSubmitter();
  EXPECT_EQ(submitter->GetName(), "Hannelore M\xFCller");
  EXPECT_EQ(submitter->GetAddressLine3(), "Bayern");
  EXPECT_EQ(submitter->GetCountry(), "www.example.org/mueller");
  EXPECT_EQ(submitter->GetPhone(), "089 123456, 0170 654321");
  EXPECT_EQ(submitter->GetEmail(), "h.mueller@example.org");
}

TEST_P(LegacyLogic, NameCacheCutsAt120Characters) {
  Settings().SetBool(WSettings::LEGCacheNames, true);
  JetWriter writer;
  AddLegacySkeleton(writer, "3s");
  for (const auto& t : writer.Tables())
    if (t.name == "TBLIR")
      const_cast<JetWriter::Table&>(t).Row({{"IDIR", int64_t{1}},
                                            {"SurName", std::string(130, 'S')},
                                            {"GivenName", std::string("G\xC3\xA9rard")},
                                            {"Prefix", std::string(60, 'P')}});
  auto c = Imported(OpenFixture(GetParam(), writer, dir_, "long.fdb"));
  auto name = c->GetIndividual(1)->GetName();
  EXPECT_EQ(name->GetSurname(), std::string(120, 'S'));
  EXPECT_EQ(name->GetGivenNames(), "G\xE9rard");  // 6 characters of the model's text
  EXPECT_EQ(name->GetPrefix(), std::string(50, 'P'));
  Settings().SetBool(WSettings::LEGCacheNames, false);
  EXPECT_EQ(c->GetIndividual(1)->GetName()->GetSurname(), std::string(120, 'S'));  // the cache was made
}

TEST_P(LegacyLogic, EmptyDatabase) {
  JetWriter writer;
  AddLegacySkeleton(writer, "3i");
  auto c = Imported(OpenFixture(GetParam(), writer, dir_, "empty.fdb"));
  EXPECT_EQ(c->IndividualCount(), 0);
  EXPECT_EQ(c->FamilyCount(), 0);
  EXPECT_EQ(c->PreCountIndividuals(), 0);  // not -1
  EXPECT_EQ(c->GetIndividual(1), nullptr);
  EXPECT_EQ(c->GetSource(1), nullptr);
}

TEST_P(LegacyLogic, OldVersionsAreNotSupported) {
  for (const char* version : {"3h", "", "2z", "10"}) {
    JetWriter writer;
    AddLegacySkeleton(writer, version);
    EXPECT_FALSE(OpenFixture(GetParam(), writer, dir_, "old.fdb")->IsVersionSupported()) << version;
  }
  for (const char* version : {"3i", "3s", "4", "3ia"}) {
    JetWriter writer;
    AddLegacySkeleton(writer, version);
    EXPECT_TRUE(OpenFixture(GetParam(), writer, dir_, "new.fdb")->IsVersionSupported()) << version;
  }
}

// Every table's load stops once the import is cancelled, and the import then fails.  The eight
// tables that are walked yield at least once each (the lookup tables only set their index).
TEST_P(LegacyLogic, CancelStopsEveryTableLoad) {
  for (int stop_at = 1; stop_at <= 8; ++stop_at) {
    auto c = OpenFixture(GetParam(), writer_, dir_, "cancel.fdb");
    int yields = 0;
    SetYieldHook([&] {
      if (++yields == stop_at) ImportCancelled = true;
    });
    ImportCancelled = false;
    EXPECT_FALSE(c->Import()) << stop_at;
    SetYieldHook(nullptr);
    EXPECT_EQ(yields, stop_at) << "the import went on after the cancel at yield " << stop_at;
    ImportCancelled = false;
  }
}

TEST_P(LegacyLogic, PicturesResolveThroughTheFolderTable) {
  TempDir pictures;
  WriteFile(pictures / "one.jpg", "x");
  WriteFile(pictures / "two.jpg", "x");
  JetWriter writer;
  AddLegacySkeleton(writer, "3s");
  for (const auto& t : writer.Tables()) {
    auto& table = const_cast<JetWriter::Table&>(t);
    if (t.name == "TBLIR") table.Row({{"IDIR", int64_t{1}}, {"SurName", std::string("Pic")}});
    // Folder 0 is not kept; the picture's own folder has no such file; the last folder does.
    if (t.name == "TBLBP") {
      table.Row({{"IDBP", int64_t{0}}, {"PicPath", pictures.path() + "/"}});
      table.Row({{"IDBP", int64_t{3}}, {"PicPath", std::string("/nonexistent/")}});
      table.Row({{"IDBP", int64_t{7}}, {"PicPath", std::string(pictures.path() + "\\")}});
    }
    if (t.name == "TBLBR") {
      table.Row({{"IDBR", int64_t{1}},
                 {"IDIR", int64_t{1}},
                 {"PicOrder", int64_t{2}},
                 {"PicName", std::string("two.jpg")},
                 {"IDBPPic", int64_t{3}},
                 {"PicPref", int64_t{1}}});
      table.Row({{"IDBR", int64_t{2}},
                 {"IDIR", int64_t{1}},
                 {"PicOrder", int64_t{1}},
                 {"PicName", std::string("one.jpg")},
                 {"IDBPPic", int64_t{7}}});
      table.Row({{"IDBR", int64_t{3}},
                 {"IDIR", int64_t{1}},
                 {"IDType", int64_t{1}},
                 {"PicName", std::string("one.jpg")}});
      table.Row({{"IDBR", int64_t{4}},
                 {"IDIR", int64_t{1}},
                 {"PicOrder", int64_t{3}},
                 {"PicName", std::string("gone.jpg")}});
    }
  }
  auto c = Imported(OpenFixture(GetParam(), writer, dir_, "pictures.fdb"));
  auto p = c->GetIndividual(1);
  ASSERT_EQ(p->PictureCount(), 3);  // the picture of type 1 is not the person's
  EXPECT_EQ(p->GetPictureFile(1), pictures.path() + "/one.jpg");
  EXPECT_EQ(p->GetPictureFile(2), pictures.path() + "/two.jpg");
  EXPECT_EQ(p->GetPictureFile(3), "");
  EXPECT_EQ(p->GetPictureFile(4), "");
  EXPECT_EQ(p->GetPrimaryPictureFile(), pictures.path() + "/two.jpg");
}

INSTANTIATE_TEST_SUITE_P(Engines, LegacyLogic, testing::Values(Engine::Jet, Engine::Memory),
                         [](const testing::TestParamInfo<Engine>& info) {
                           return info.param == Engine::Jet ? std::string("Jet") : std::string("Memory");
                         });

}  // namespace
