// The GEDCOM record classes: individuals, families, names, events, ordinances, places,
// citations, notes, sources, repositories, addresses, the submitter and the header.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TempGedFile.h"
#include "base/Date.h"
#include "base/Errors.h"
#include "formats/ged/GEDCollection.h"
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

// A GEDCOM text with LF line breaks, imported.  `body` holds the records between the
// header and the trailer.
struct Ged {
  explicit Ged(const std::string& body, const std::string& head = "0 HEAD\n1 CHAR ASCII\n")
      : file(head + body + "0 TRLR\n"), collection(file.path()) {
    EXPECT_TRUE(collection.Import());
    collection.BuildLinks();
  }
  std::unique_ptr<WABSIndividual> Person(RecNo n) { return collection.GetIndividual(n); }
  std::unique_ptr<WABSName> NameOf(RecNo n) { return Person(n)->GetName(); }

  TempGedFile file;
  WGEDCollection collection;
};

std::string NoteText(const std::unique_ptr<WABSNote>& note) { return note ? note->GetText("|") : "<none>"; }

std::string DateText(const WDate* date) { return date ? date->GetText() : "<none>"; }

TEST(GEDName, SlashesSplitGivenNamesSurnameAndSuffix) {
  Ged g(
      "0 @I1@ INDI\n1 NAME John /Smith/ Jr\n"
      "0 @I2@ INDI\n1 NAME /Smith/ John\n"
      "0 @I3@ INDI\n1 NAME John\n"
      "0 @I4@ INDI\n1 NAME Mary /Brown\n"
      "0 @I5@ INDI\n1 NAME Ann /Lee/ III\n2 NPFX Dr.\n2 NSFX Esq.\n2 NSFX PhD\n"
      "0 @I6@ INDI\n1 NAME J\n");
  auto n1 = g.NameOf(1);
  EXPECT_EQ(n1->GetGivenNames(), "John");
  EXPECT_EQ(n1->GetSurname(), "Smith");
  EXPECT_EQ(n1->GetSuffix(), " Jr");
  // Surname first: what follows the second slash is the given names, and no suffix.
  auto n2 = g.NameOf(2);
  EXPECT_EQ(n2->GetGivenNames(), "John");
  EXPECT_EQ(n2->GetSurname(), "Smith");
  EXPECT_EQ(n2->GetSuffix(), "");
  auto n3 = g.NameOf(3);
  EXPECT_EQ(n3->GetGivenNames(), "John");
  EXPECT_EQ(n3->GetSurname(), "");
  EXPECT_EQ(n3->GetSuffix(), "");
  auto n4 = g.NameOf(4);
  EXPECT_EQ(n4->GetSurname(), "Brown");
  EXPECT_EQ(n4->GetSuffix(), "");
  // NPFX and NSFX lines; the last NSFX wins over the text after the slashes.
  auto n5 = g.NameOf(5);
  EXPECT_EQ(n5->GetPrefix(), "Dr.");
  EXPECT_EQ(n5->GetSuffix(), "PhD");
  EXPECT_EQ(g.NameOf(6)->GetGivenNames(), "");
}

TEST(GEDIndividual, FirstNameWinsLastBirthWins) {
  Ged g(
      "0 @I1@ INDI\n1 NAME First /One/\n1 BIRT\n2 DATE 1 JAN 1900\n2 PLAC Here\n"
      "1 NAME Second /Two/\n1 BIRT\n2 DATE 2 FEB 1902\n2 PLAC There\n1 SEX F\n"
      "0 @I2@ INDI\n1 SEX M\n");
  auto p = g.Person(1);
  EXPECT_EQ(p->GetName()->GetGivenNames(), "First");
  auto birth = p->GetEvent(1, 1);
  ASSERT_NE(birth, nullptr);
  EXPECT_EQ(DateText(birth->GetDate()), "2 FEB 1902");
  EXPECT_EQ(birth->GetPlace()->GetName(), "There");
  EXPECT_EQ(p->GetSex(), 'F');
  EXPECT_EQ(p->GetID(), "I1");
  EXPECT_EQ(p->EventCount(1), 1);
  EXPECT_EQ(p->EventCount(2), 0);
  EXPECT_EQ(p->GetEvent(2, 1), nullptr);
  // A person without NAME line has no name; a second load reads the cache.
  auto q = g.Person(2);
  EXPECT_EQ(q->GetName(), nullptr);
  EXPECT_EQ(q->GetSex(), 'M');
  q->Load(1);
  EXPECT_EQ(q->GetSex(), 'F');
  EXPECT_EQ(q->GetName()->GetGivenNames(), "First");
}

TEST(GEDIndividual, ValuesNeverRunOnIntoTheNextLine) {
  // With LF line breaks, column 6 of "1 CHR" and column 7 of "1 BIRT" lie on the next
  // line; those values are empty.  A SEX line without a letter at column 6 is unknown.
  for (const char* eol : {"\n", "\r\n", "\r"}) {
    std::string e = eol;
    Ged g("0 @I1@ INDI" + e + "1 CHR" + e + "2 PLAC Pearland" + e + "1 SEX" + e + "1 BIRT" + e + "2 DATE" +
              e + "3 NOTE x" + e + "0 @I2@ INDI" + e + "1 SEX  M" + e,
          "0 HEAD" + e);
    auto p = g.Person(1);
    auto chr = p->GetEvent(3, 1);
    ASSERT_NE(chr, nullptr) << e.size();
    EXPECT_EQ(chr->GetDescription(), "");
    EXPECT_EQ(chr->GetPlace()->GetName(), "Pearland");
    EXPECT_EQ(p->GetSex(), 'U');
    EXPECT_EQ(DateText(p->GetEvent(1, 1)->GetDate()), "");
    EXPECT_EQ(g.Person(2)->GetSex(), 'U');
  }
}

TEST(GEDIndividual, OtherEventsTypeNamesAndDescriptions) {
  Ged g(
      "0 @I1@ INDI\n1 OCCU Miller\n2 DATE 1850\n1 RESI\n2 PLAC Leeds\n1 EVEN Fought\n2 TYPE Duel\n"
      "1 CHR\n2 DATE 3 MAR 1820\n1 DEAT Yes\n2 CAUS  Fever \n1 DIV\n1 SSN 123\n1 _MILT x\n1 BAPM\n");
  auto p = g.Person(1);
  ASSERT_EQ(p->EventCount(6), 5);
  const char* types[] = {"Occupation", "Residence", "Duel", "SSN", "Baptism"};
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(p->GetEvent(6, i)->GetTypeName(), types[i - 1]);
  EXPECT_EQ(p->GetEvent(6, 1)->GetDescription(), "Miller");
  EXPECT_EQ(p->GetEvent(6, 5)->GetKind(), 5);
  EXPECT_EQ(p->GetEvent(6, 6), nullptr);
  EXPECT_EQ(p->GetEvent(6, 0), nullptr);
  EXPECT_EQ(DateText(p->GetEvent(3, 1)->GetDate()), "3 MAR 1820");
  EXPECT_EQ(p->GetEvent(2, 1)->GetDescription(), "Yes, Fever");
}

TEST(GEDNote, RecordNotesJoinConcAndContAndDropBlankLines) {
  Ged g(
      "0 @N1@ NOTE First\n1 CONC part\n1 CONT second\n1 CONT\n1 CONT  third \n"
      "0 @N2@ NOTE\n1 CONT Text\n"
      "0 @N3@ NOTE\n0 @N4@ NOTE Word \n1 CONC  word\n");
  EXPECT_EQ(NoteText(g.collection.GetNote(1)), "Firstpart|second|third");
  ASSERT_EQ(g.collection.GetNote(1)->Lines().size(), 3u);
  EXPECT_EQ(NoteText(g.collection.GetNote(2)), "Text");
  // An empty note record does not take the next record's line for its text.
  EXPECT_EQ(g.collection.GetNote(3)->Lines().size(), 0u);
  // Spaces at the end of a piece and at the start of a CONC part are lost.
  EXPECT_EQ(NoteText(g.collection.GetNote(4)), "Wordword");
  EXPECT_EQ(g.collection.GetNote(0), nullptr);
  EXPECT_THROW(g.collection.GetNote(5), EIndexError);
}

TEST(GEDNote, InlineRecordAndUnknownNotes) {
  Ged g(
      "0 @I1@ INDI\n1 NOTE Inline one\n2 CONT two\n2 NOTE sub\n1 NOTE @N1@\n1 NOTE third\n2 CONC  more\n"
      "0 @I2@ INDI\n1 NOTE @N9@\n"
      "0 @I3@ INDI\n1 NOTE @N1@\n"
      "0 @I4@ INDI\n1 NOTE\n2 CONT after\n"
      "0 @N1@ NOTE Shared\n1 CONT  lines\n");
  // Three level-1 notes: the first note's lines, then one line for each further note.
  auto note = g.Person(1)->GetNote();
  ASSERT_NE(note, nullptr);
  ASSERT_EQ(note->Lines().size(), 5u);
  EXPECT_EQ(note->Lines()[0], "Inline one");
  EXPECT_EQ(note->Lines()[1], "two");
  EXPECT_EQ(note->Lines()[2], "sub");
  EXPECT_EQ(note->Lines()[3], "Shared\r\nlines");
  EXPECT_EQ(note->Lines()[4], "thirdmore");
  EXPECT_EQ(g.Person(2)->GetNote(), nullptr);
  EXPECT_EQ(NoteText(g.Person(3)->GetNote()), "Shared|lines");
  EXPECT_EQ(NoteText(g.Person(4)->GetNote()), "after");
}

TEST(GEDSource, RecordAndInlineSourcesRepositoriesAndCitations) {
  Ged g(
      "0 @I1@ INDI\n1 SOUR @S1@\n2 PAGE p. 12\n2 NOTE cited\n1 SOUR Parish register\n2 CONT of Kirkby\n"
      "2 TEXT Entry\n1 SOUR @S9@\n"
      "0 @S1@ SOUR\n1 TITL Old title\n1 AUTH Jane\n2 CONT Doe\n1 NAME New title\n1 PUBL 1901\n"
      "1 ABBR Reg\n1 CALN 42\n1 REPO @R2@\n1 NOTE About it\n"
      "0 @R1@ REPO\n1 NAME Unused\n"
      "0 @R2@ REPO\n1 NAME County\n2 CONT Archive\n1 ADDR 1 High St\n2 CONT Back door\n"
      "2 CITY York\n2 STAE N Yorks\n2 POST YO1\n2 CTRY England\n1 PHON 0190\n");
  auto p = g.Person(1);
  ASSERT_EQ(p->CitationCount(), 3);
  auto c1 = p->GetCitation(1);
  EXPECT_EQ(c1->GetDetail(), "p. 12");
  EXPECT_EQ(NoteText(c1->GetNote()), "cited");
  auto s = c1->GetSource();
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->GetTitle(), "New title");
  EXPECT_EQ(s->GetAuthor(), "Jane\r\nDoe");
  EXPECT_EQ(s->GetPublication(), "1901");
  EXPECT_EQ(s->GetAbbreviation(), "Reg");
  EXPECT_EQ(s->GetCallNumber(), "42");
  EXPECT_TRUE(s->HasNote());
  EXPECT_FALSE(s->HasText());
  EXPECT_EQ(NoteText(s->GetNote()), "About it");
  EXPECT_NE(s->GetRecordText().find("1 AUTH Jane"), std::string::npos);
  ASSERT_EQ(s->GetRepositoryRecord(), 2);
  auto repo = g.collection.GetRepository(2);
  EXPECT_EQ(repo->GetName(), "County\rArchive");
  auto address = repo->GetAddress();
  ASSERT_NE(address, nullptr);
  EXPECT_EQ(address->GetAddress(), "1 High St\r\nBack door");
  EXPECT_EQ(address->GetCity(), "York");
  EXPECT_EQ(address->GetState(), "N Yorks");
  EXPECT_EQ(address->GetPostalCode(), "YO1");
  EXPECT_EQ(address->GetCountry(), "England");
  EXPECT_EQ(address->GetPhone(), "0190");
  EXPECT_EQ(address->GetLine1(), "");
  // An inline source: its title has two lines, no author, no record text.
  auto inline_source = p->GetCitation(2)->GetSource();
  ASSERT_NE(inline_source, nullptr);
  EXPECT_EQ(inline_source->GetTitle(), "Parish register\r\nof Kirkby");
  EXPECT_EQ(inline_source->GetAuthor(), "");
  EXPECT_EQ(inline_source->GetRecordText(), "");
  EXPECT_EQ(inline_source->GetRepositoryRecord(), 0);
  EXPECT_EQ(NoteText(inline_source->GetText()), "Entry");
  // An unknown source gives no source.
  EXPECT_EQ(p->GetCitation(3)->GetSource(), nullptr);
  EXPECT_EQ(p->GetCitation(4), nullptr);
  EXPECT_EQ(g.collection.GetSource(0), nullptr);
  EXPECT_THROW(g.collection.GetSource(2), EIndexError);
}

TEST(GEDSource, NoSourcesMeansNoRepositories) {
  Ged g("0 @R1@ REPO\n1 NAME Archive\n");
  EXPECT_EQ(g.collection.GetRepository(1), nullptr);
  EXPECT_EQ(g.collection.GetSource(1), nullptr);
}

TEST(GEDMarriage, DatePlaceCitationsNoteAndSealing) {
  Ged g(
      "0 @I1@ INDI\n1 FAMS @F1@\n0 @I2@ INDI\n0 @I3@ INDI\n"
      "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 MARR\n2 DATE 5 MAY 1870\n2 PLAC Kirkby\n"
      "2 SOUR @S1@\n1 NOTE Wed\n1 NOTE Second\n1 SLGS\n2 TEMP LOGAN\n"
      "0 @F2@ FAM\n1 MARR\n2 PLAC Leeds\n2 DATE 1880\n"
      "0 @F3@ FAM\n1 MARR\n2 SOUR @S1@\n3 DATA\n4 TEXT x\n2 PLAC Hidden\n"
      "0 @S1@ SOUR\n1 TITL T\n");
  auto f = g.collection.GetFamily(1);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->GetHusband(), 1);
  EXPECT_EQ(f->GetWife(), 2);
  EXPECT_EQ(f->SpouseCount(), 2);
  EXPECT_EQ(f->ChildCount(), 1);
  EXPECT_EQ(DateText(f->GetDate()), "5 MAY 1870");
  EXPECT_EQ(f->GetPlaceText(), "Kirkby");
  // A SOUR line under MARR is a citation of the family.
  EXPECT_EQ(f->CitationCount(), 1);
  EXPECT_EQ(f->GetCitation(1)->GetSource()->GetTitle(), "T");
  EXPECT_EQ(NoteText(f->GetNote()), "Wed");
  ASSERT_EQ(f->SealingCount(), 1);
  EXPECT_EQ(f->GetSealing(1)->GetPlace()->GetName(), "LOGAN");
  // The date is the first level-2 DATE under MARR, after any other lines.
  auto f2 = g.collection.GetFamily(2);
  EXPECT_EQ(DateText(f2->GetDate()), "1880");
  EXPECT_EQ(f2->GetPlaceText(), "Leeds");
  // A place after a three-level source structure is not found.
  EXPECT_EQ(g.collection.GetFamily(3)->GetPlaceText(), "");
  EXPECT_EQ(g.collection.GetFamily(0), nullptr);
  EXPECT_THROW(g.collection.GetFamily(4), EIndexError);
}

TEST(GEDMarriage, TheDateIsTheFirstLevelTwoDateUnderMarr) {
  Ged g(
      "0 @F1@ FAM\n1 MARR\n2 _UID 4F3C\n2 RIN 5\n2 DATE 1034\n"
      "0 @F2@ FAM\n1 MARR\n2 PLAC Salem\n2 DATE 1 JUN 1880\n2 DATE 1881\n"
      "0 @F3@ FAM\n1 MARR\n2 SOUR @S1@\n3 DATE 1900\n2 DATE ABT 1899\n"
      "0 @F4@ FAM\n1 MARR\n2 PLAC Leeds\n1 DIV\n2 DATE 1890\n"
      "0 @F5@ FAM\n1 MARR Y\n0 @F6@ FAM\n1 DATE 1870\n1 MARR\n"
      "0 @F7@ FAM\n1 MARR\n2 PLAC Kirkby\n"
      "0 @S1@ SOUR\n1 TITL T\n");
  EXPECT_EQ(DateText(g.collection.GetFamily(1)->GetDate()), "1034");
  EXPECT_EQ(DateText(g.collection.GetFamily(2)->GetDate()), "1 JUN 1880");  // the first one
  // A DATE of a deeper structure is not the marriage's.
  EXPECT_EQ(DateText(g.collection.GetFamily(3)->GetDate()), "ABT 1899");
  // The search ends at the next level-1 line.
  EXPECT_EQ(g.collection.GetFamily(4)->GetDate(), nullptr);
  EXPECT_EQ(g.collection.GetFamily(5)->GetDate(), nullptr);
  EXPECT_EQ(g.collection.GetFamily(6)->GetDate(), nullptr);
  // The last MARR line of the file, without a DATE after it.
  EXPECT_EQ(g.collection.GetFamily(7)->GetDate(), nullptr);
}

TEST(GEDPlace, ContinuedPlacesAreReadWhole) {
  Ged g(
      "0 @I1@ INDI\n1 BIRT\n2 PLAC Saint Mary\n3 CONC 's Church, Salem\n3 CONC , Essex\n3 SOUR @S1@\n"
      "1 DEAT\n2 PLAC Leeds\n3 CONT Yorkshire\n1 BAPL\n2 TEMP SLA\n3 CONC KE\n"
      "0 @F1@ FAM\n1 MARR\n2 PLAC Kirk\n3 CONC by\n2 DATE 1870\n"
      "0 @S1@ SOUR\n1 TITL T\n");
  auto p = g.Person(1);
  auto birth = p->GetEvent(1, 1)->GetPlace();
  EXPECT_EQ(birth->GetName(), "Saint Mary's Church, Salem, Essex");
  EXPECT_EQ(birth->CitationCount(), 1);
  EXPECT_EQ(p->GetEvent(2, 1)->GetPlace()->GetName(), "Leeds Yorkshire");
  EXPECT_EQ(p->GetLDSEvent(7)->GetPlace()->GetName(), "SLAKE");
  auto f = g.collection.GetFamily(1);
  EXPECT_EQ(f->GetPlaceText(), "Kirkby");
  EXPECT_EQ(DateText(f->GetDate()), "1870");
}

TEST(GEDIndividual, OrdinancesLinksAndChangeDate) {
  Ged g(
      "0 @I1@ INDI\n1 BAPL\n2 STAT COMPLETED\n2 TEMP SLAKE\n1 ENDL\n2 DATE 1 JAN 1980\n2 PLAC Here\n"
      "2 TEMP LOGAN\n1 SLGC\n2 QUAL note  \n1 FAMC @F1@\n1 CHAN\n2 NOTE x\n2 DATE 3 APR 2001\n3 TIME 10:00\n"
      "0 @F1@ FAM\n");
  auto p = g.Person(1);
  auto bapl = p->GetLDSEvent(7);
  ASSERT_NE(bapl, nullptr);
  EXPECT_EQ(DateText(bapl->GetDate()), "COMPLETED");
  EXPECT_EQ(bapl->GetPlace()->GetName(), "SLAKE");
  auto endl = p->GetLDSEvent(8);
  EXPECT_EQ(DateText(endl->GetDate()), "1 JAN 1980");
  EXPECT_EQ(endl->GetPlace()->GetName(), "LOGAN");  // the later of PLAC and TEMP
  EXPECT_EQ(DateText(p->GetLDSEvent(9)->GetDate()), "QUAL NOTE");
  EXPECT_EQ(p->GetLDSEvent(6), nullptr);
  EXPECT_EQ(DateText(p->GetChangeDate()), "3 APR 2001");
  EXPECT_EQ(p->GetCreationDate(), nullptr);
  EXPECT_EQ(p->ParentFamilyCount(), 1);
  RecNo family = -1;
  int mother = 0, father = 0;
  EXPECT_TRUE(p->GetParentFamilyLink(5, family, mother, father));
  EXPECT_EQ(family, 0);
  EXPECT_EQ(mother, 7);
  EXPECT_EQ(father, 1);
  EXPECT_EQ(g.collection.GetIndividual(g.collection.IndividualCount() + 1), nullptr);
  EXPECT_EQ(g.collection.GetIndividual(0), nullptr);
  EXPECT_THROW(p->Load(2), EMemoryError);
}

TEST(GEDIndividual, RecordsLongerThan64KBStillFindTheirLines) {
  // A 70,000-byte note pushes the later lines beyond what a 16-bit distance can hold.
  std::string body = "0 @I1@ INDI\n1 NAME Long /Record/\n1 NOTE " + std::string(70000, 'x') +
                     "\n1 BIRT\n2 DATE 1 JAN 1900\n1 SEX F\n1 DEAT\n2 PLAC Far\n";
  Ged g(body);
  for (int pass = 0; pass < 2; ++pass) {  // the second load reads the cache
    auto p = g.Person(1);
    EXPECT_EQ(p->GetSex(), 'F');
    ASSERT_NE(p->GetEvent(1, 1), nullptr);
    EXPECT_EQ(DateText(p->GetEvent(1, 1)->GetDate()), "1 JAN 1900");
    EXPECT_EQ(p->GetEvent(2, 1)->GetPlace()->GetName(), "Far");
  }
}

TEST(GEDIndividual, OverlongValuesAreCut) {
  Ged g("0 @I1@ INDI\n1 NAME " + std::string(100000, 'g') + "\n1 OCCU " + std::string(70000, 'o') + "\n");
  auto p = g.Person(1);
  std::string given = p->GetName()->GetGivenNames();
  EXPECT_GT(given.size(), 60000u);
  EXPECT_LT(given.size(), 65536u);
  EXPECT_LT(p->GetEvent(6, 1)->GetDescription().size(), 65536u);
  EXPECT_EQ(p->GetName()->GetSurname(), "");
}

TEST(GEDIndividual, RecordTextHasCrLfLineBreaks) {
  Ged g("0 @I1@ INDI\n1 NAME A /B/\n0 @I2@ INDI\n");
  EXPECT_EQ(g.Person(1)->GetRecordText(), "0 @I1@ INDI\r\n1 NAME A /B/\r\n");
}

TEST(GEDHeader, RowsSubmitterAndText) {
  Ged g("0 @U1@ SUBM\n1 NAME Ann Archer\n1 ADDR 1 Lane\n2 CONT Town\n1 EMAIL ann@example.org\n1 PHON 12\n",
        "0 HEAD\n1 SOUR PROG\n2 NAME Program\n2 VERS 2.0\n2 CORP Maker\n3 ADDR Street\n1 DEST X\n"
        "1 DATE 1 JAN 2005\n2 TIME 10:30\n1 SUBM @U1@\n1 FILE f.ged\n1 GEDC\n2 VERS 5.5\n2 FORM "
        "LINEAGE-LINKED\n"
        "1 CHAR ASCII\n");
  int count = 0;
  GenHeaderRecs rows;
  g.collection.GetHeaderInfo(count, rows);
  const char* expected[][2] = {{"Application", "PROG"},
                               {"Application Name", "Program"},
                               {"Application Version", "2.0"},
                               {"Application Corp.", "Maker"},
                               {"Application Address", "Street"},
                               {"Destination", "X"},
                               {"Date", "1 JAN 2005 10:30"},
                               {"File name", "f.ged"},
                               {"GEDC Version", "5.5"},
                               {"GEDC Form", "LINEAGE-LINKED"},
                               {"Char Set", "ASCII"}};
  ASSERT_EQ(count, 11);
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(rows[i].label, expected[i][0]);
    EXPECT_EQ(rows[i].value, expected[i][1]);
    EXPECT_EQ(rows[i].heading, 0);
  }
  auto s = g.collection.GetSubmitter();
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->GetName(), "Ann Archer");
  EXPECT_EQ(s->GetAddressLine1(), "1 Lane");
  EXPECT_EQ(s->GetAddressLine2(), "Town");
  EXPECT_EQ(s->GetAddressLine3(), "");
  EXPECT_EQ(s->GetEmail(), "ann@example.org");
  EXPECT_EQ(s->GetPhone(), "12");
  EXPECT_EQ(s->GetCountry(), "");
  EXPECT_EQ(g.collection.GetHeaderText().substr(0, 16), "0 HEAD\r\n1 SOUR P");
}

TEST(GEDHeader, ApplicationRowsStopAtTheHeadersEnd) {
  Ged g("0 @N1@ NOTE x\n2 NAME Not the application\n", "0 HEAD\n1 SOUR PROG\n");
  int count = 0;
  GenHeaderRecs rows;
  g.collection.GetHeaderInfo(count, rows);
  ASSERT_EQ(count, 1);
  EXPECT_EQ(rows[0].value, "PROG");
}

TEST(GEDHeader, UnknownOrMissingSubmitter) {
  Ged unknown("0 @U1@ SUBM\n1 NAME A\n", "0 HEAD\n1 SUBM\n1 SUBM @U9@\n1 SUBM @U1@\n");
  EXPECT_EQ(unknown.collection.GetSubmitter(), nullptr);
  Ged none("0 @U1@ SUBM\n1 NAME A\n", "0 HEAD\n");
  EXPECT_EQ(none.collection.GetSubmitter(), nullptr);
  Ged underscore("0 @U1@ SUBM\n1 _EMAIL a@b\n1 EMAIL c@d\n", "0 HEAD\n1 SUBM @U1@\n");
  EXPECT_EQ(underscore.collection.GetSubmitter()->GetEmail(), "a@b");
}

TEST(GEDCharSets, AnselUtf8AndPlainTextsAreConverted) {
  // "é" as ANSEL (acute before the letter), as UTF-8, and as plain Windows-1252.
  struct Case {
    const char* charset;
    const char* given;
    const char* surname;
  } cases[] = {{"ANSEL",
                "L\xE2"
                "eonie",
                "Dub\xE2"
                "e"},
               {" utf-8 ", "L\xC3\xA9onie", "Dub\xC3\xA9"},
               {"ASCII", "L\xE9onie", "Dub\xE9"}};
  for (const Case& c : cases) {
    Ged g(std::string("0 @I1@ INDI\n1 NAME ") + c.given + " /" + c.surname + "/\n",
          std::string("0 HEAD\n1 CHAR ") + c.charset + "\n");
    auto name = g.NameOf(1);
    EXPECT_EQ(name->GetGivenNames(), "L\xE9onie") << c.charset;
    EXPECT_EQ(name->GetSurname(), "Dub\xE9") << c.charset;
  }
}

// Date texts are converted with the file's character set, once, before they are upper-cased:
// "(während des Krieges – 1915)" shows its letters in a UTF-8, ANSI or ANSEL file.
TEST(GEDCharSets, DateTextsAreConvertedOnceInTheFilesCharacterSet) {
  const std::string kWartime = "(W\xC4HREND DES KRIEGES \x96 1915)";
  struct Case {
    const char* charset;
    const char* date;
    std::string expected;
  } cases[] = {{"UTF-8", "(w\xC3\xA4hrend des Krieges \xE2\x80\x93 1915)", kWartime},
               {"ANSI", "(w\xE4hrend des Krieges \x96 1915)", kWartime},
               {"ASCII", "(w\xE4hrend des Krieges \x96 1915)", kWartime},
               {"ANSEL",
                "(w\xE8"
                "ahrend des Krieges \xB9 1915)",  // a diaeresis, and a pound sign for the dash
                "(W\xC4HREND DES KRIEGES \xA3 1915)"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.charset);
    const std::string date = c.date;
    Ged g("0 @I1@ INDI\n1 BIRT\n2 DATE " + date + "\n1 CHAN\n2 DATE " + date + "\n1 BAPL\n2 DATE " + date +
              "\n1 FAMS @F1@\n0 @F1@ FAM\n1 MARR\n2 DATE " + date + "\n",
          std::string("0 HEAD\n1 CHAR ") + c.charset + "\n");
    const std::string& expected = c.expected;
    auto p = g.Person(1);
    EXPECT_EQ(DateText(p->GetEvent(1, 1)->GetDate()), expected);
    EXPECT_EQ(DateText(p->GetChangeDate()), expected);
    EXPECT_EQ(DateText(p->GetLDSEvent(7)->GetDate()), expected);
    EXPECT_EQ(DateText(g.collection.GetFamily(1)->GetDate()), expected);
  }
}

}  // namespace
