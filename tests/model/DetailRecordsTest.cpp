#include "ModelFixture.h"
#include "base/Date.h"
#include "base/TextUtils.h"
#include "model/ABSCitation.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"
#include "model/ABSSource.h"
#include "model/ABSVitEvent.h"
#include "model/GeneralInfo.h"

namespace {

using DetailRecordsTest = ModelTest;

TEST_F(DetailRecordsTest, NoteTextKeepsTheFirstLineAndTrimsTheOthers) {
  auto note = MemCollection::MakeNote({"", "  first  ", "  second  ", "  ", "third"});
  EXPECT_EQ(note->LineCount(), 4);
  EXPECT_EQ(note->GetText("|"), "  first  |second||third");
  EXPECT_EQ(MemCollection::MakeNote({""})->GetText("\r\n"), "");
  EXPECT_EQ(WABSNote::TextOf(nullptr), "");
  // A first line of blanks is kept as it is and the following lines are joined to it.
  EXPECT_EQ(MemCollection::MakeNote({"  ", "x "})->GetText("/"), "  /x");
}

TEST_F(DetailRecordsTest, PlaceDisplayDropsLeadingCommasWhenAsked) {
  EXPECT_EQ(WABSPlace::DisplayTextOf(" , , Boston, MA, "), "Boston, MA,");
  EXPECT_EQ(WABSPlace::DisplayTextOf(",Springfield"), "Springfield");
  EXPECT_EQ(WABSPlace::DisplayTextOf(" , ,"), "");
  Options().SetBool(WOptions::PlaceCommas, false);
  EXPECT_EQ(WABSPlace::DisplayTextOf(" , , Boston, MA "), ", , Boston, MA");

  Options().SetBool(WOptions::PlaceCommas, true);
  RecNo rec = col.AddPerson("A", "B");
  col.AddEvent(rec, evBirth, "1900", ", Boston");
  EXPECT_EQ(col.GetIndividual(rec)->GetEventPlaceText(evBirth), "Boston");
}

TEST_F(DetailRecordsTest, SourceSummaryFlattensAndJoinsTheNonEmptyValues) {
  RecNo src = col.AddSource("");
  col.Source(src).author = "Line one\r\nLine two";
  col.Source(src).abbreviation = "ABBR";
  EXPECT_EQ(col.GetSource(src)->GetSummary(), "Line one Line two, ABBR");

  RecNo titled = col.AddSource("Only the title");
  EXPECT_EQ(col.GetSource(titled)->GetSummary(), "Only the title");

  RecNo all = col.AddSource("T\n1");
  MemSourceData& data = col.Source(all);
  data.author = "A";
  data.publication = "P";
  data.call_number = "C";
  data.abbreviation = "B";
  EXPECT_EQ(col.GetSource(all)->GetSummary(), "A, T1, P, C, B");

  // A value that flattens to nothing still takes its place in the list.
  RecNo odd = col.AddSource("T");
  col.Source(odd).author = "\n";
  EXPECT_EQ(col.GetSource(odd)->GetSummary(), ", T");
  EXPECT_EQ(col.GetSource(col.AddSource(""))->GetSummary(), "");
}

TEST_F(DetailRecordsTest, CitationTextJoinsDetailNotesAndSourceSummary) {
  RecNo src = col.AddSource("Parish register");
  RecNo rec = col.AddPerson("A", "B");
  MemPersonData& person = col.Person(rec);

  col.AddCitation(rec, "", src);
  EXPECT_EQ(col.GetIndividual(rec)->GetCitationsText(), "1) Parish register");

  col.Source(src).note = {"kept in the vestry", "  box 3 "};
  person.citations = {MemCitationData{"p. 12", {"entry 4", "second line"}, src}};
  EXPECT_EQ(col.GetIndividual(rec)->GetCitation(1)->GetCitationText(),
            "p. 12, entry 4\r\nsecond line, Parish register, kept in the vestry\r\nbox 3");

  // A citation without source shows its detail only.
  person.citations = {MemCitationData{"p. 12", {}, 0}};
  EXPECT_EQ(col.GetIndividual(rec)->GetCitation(1)->GetCitationText(), "p. 12");
  person.citations = {MemCitationData{"", {}, 0}};
  EXPECT_EQ(col.GetIndividual(rec)->GetCitation(1)->GetCitationText(), "");
}

TEST_F(DetailRecordsTest, CitationNumberingStartsAtTheFirstExistingCitation) {
  RecNo rec = col.AddPerson("A", "B");
  col.Person(rec).citations = {std::nullopt, MemCitationData{"two", {}, 0}, std::nullopt,
                               MemCitationData{"four", {}, 0}};
  EXPECT_EQ(col.GetIndividual(rec)->GetCitationsText(), "1) two\r\n\r\n4) four");

  col.Person(rec).citations = {std::nullopt, std::nullopt};
  EXPECT_EQ(col.GetIndividual(rec)->GetCitationsText(), "");

  // The same numbering for families, events, names and places.
  RecNo fam = col.AddFamily(rec, 0);
  col.Family(fam).citations = {MemCitationData{"a", {}, 0}, MemCitationData{"b", {}, 0}};
  EXPECT_EQ(col.GetFamily(fam)->GetCitationsText(), "1) a\r\n\r\n2) b");

  MemEventData& birth = col.AddEvent(rec, evBirth, "1900", "Town");
  birth.citations = {std::nullopt, MemCitationData{"ev", {}, 0}};
  birth.place->citations = {MemCitationData{"pl", {}, 0}};
  auto event = col.GetIndividual(rec)->GetEvent(evBirth, 1);
  EXPECT_EQ(event->GetCitationsText(), "1) ev");
  EXPECT_EQ(event->GetPlace()->GetCitationsText(), "1) pl");
}

TEST_F(DetailRecordsTest, EventDatesBelongToTheEvent) {
  RecNo rec = col.AddPerson("A", "B");
  MemEventData& data = col.AddEvent(rec, evOther, "ABT 1850", "Rome");
  data.type_name = "Occupation";
  data.description = "Baker";
  data.note = {"n1", "n2"};
  auto event = col.GetIndividual(rec)->GetEvent(evOther, 1);
  ASSERT_TRUE(event);
  EXPECT_EQ(event->GetKind(), evOther);
  EXPECT_EQ(event->GetTypeName(), "Occupation");
  EXPECT_EQ(event->GetDescription(), "Baker");
  EXPECT_EQ(event->GetDateText(), "Abt 1850");
  EXPECT_EQ(event->GetSortDateText(), "Abt 1850");
  // By default the sort date is the date itself, and repeated calls keep it.
  EXPECT_EQ(event->GetSortDate(), event->GetDate());
  EXPECT_EQ(event->GetDate(), event->GetDate());
  EXPECT_TRUE(event->HasValidDate());
  EXPECT_EQ(event->GetNoteText(), "n1\r\nn2");

  MemEventData& bare = col.AddEvent(rec, evOther);
  (void)bare;
  auto empty = col.GetIndividual(rec)->GetEvent(evOther, 2);
  EXPECT_EQ(empty->GetDate(), nullptr);
  EXPECT_EQ(empty->GetSortDate(), nullptr);
  EXPECT_FALSE(empty->HasValidDate());
  EXPECT_EQ(empty->GetDateText(), "");
  EXPECT_EQ(empty->GetPlaceText(), "");
  EXPECT_EQ(empty->GetNoteText(), "");
}

TEST_F(DetailRecordsTest, FamilyDateAndPlaceTexts) {
  RecNo fam = col.AddFamily(0, 0, "12 MAY 1900", "Boston");
  auto family = col.GetFamily(fam);
  EXPECT_EQ(family->GetDatePlaceText(), "12 May 1900, Boston");
  EXPECT_EQ(family->GetSortDate(), family->GetDate());
  EXPECT_EQ(col.GetFamily(col.AddFamily(0, 0, "1900", ""))->GetDatePlaceText(), "1900");
  EXPECT_EQ(col.GetFamily(col.AddFamily(0, 0, "", "Rome"))->GetDatePlaceText(), ", Rome");
  auto undated = col.GetFamily(col.AddFamily(0, 0));
  EXPECT_EQ(undated->GetDateText(), "");
  EXPECT_EQ(undated->GetSortDateText(), "");
  EXPECT_EQ(undated->GetNoteText(), "");
  EXPECT_FALSE(undated->IsSynthesized());
}

TEST_F(DetailRecordsTest, OtherSpouse) {
  RecNo h = col.AddPerson("H", "X", 'M');
  RecNo w = col.AddPerson("W", "Y", 'F');
  auto both = col.GetFamily(col.AddFamily(h, w));
  EXPECT_EQ(both->GetOtherSpouse(h), w);
  EXPECT_EQ(both->GetOtherSpouse(w), h);
  EXPECT_EQ(both->GetOtherSpouse(0), h);
  auto wife_only = col.GetFamily(col.AddFamily(0, w));
  EXPECT_EQ(wife_only->GetOtherSpouse(0), w);
  EXPECT_EQ(wife_only->GetOtherSpouse(w), 0);
}

TEST_F(DetailRecordsTest, GeneralInfoRows) {
  WGeneralInfo info;
  info.Add(1, "Header", "", "");
  info.Add(0, "Source", "60,120", "PAF");
  info.Add(0, "Version", "", "5.2");
  ASSERT_EQ(info.Count(), 3);
  EXPECT_EQ(info.GetRow(2)->label, "Source");
  EXPECT_EQ(info.GetRow(2)->tab_stops, "60,120");
  EXPECT_EQ(info.GetRow(3)->value, "5.2");
  EXPECT_EQ(info.GetRow(1)->heading, 1);
  EXPECT_EQ(info.GetRow(4), nullptr);
  EXPECT_EQ(info.GetRow(0), nullptr);

  info.SetRow(2, 0, "", "Legacy", "Program");
  EXPECT_EQ(info.GetRow(2)->label, "Program");
  EXPECT_EQ(info.GetRow(2)->value, "Legacy");

  info.Clear();
  EXPECT_EQ(info.GetRow(1), nullptr);
  for (int i = 1; i <= 300; ++i) info.Add(0, "L" + std::to_string(i), "", "v");
  EXPECT_EQ(info.Count(), 256);
  EXPECT_EQ(info.GetRow(255)->label, "L255");
  // Row 256 is counted but never stored.
  ASSERT_NE(info.GetRow(256), nullptr);
  EXPECT_EQ(info.GetRow(256)->label, "");
  info.SetRow(256, 0, "", "x", "y");
  EXPECT_EQ(info.GetRow(256)->label, "");
  EXPECT_EQ(info.GetRow(257), nullptr);
}

TEST_F(DetailRecordsTest, RelationNames) {
  EXPECT_EQ(col.GetRelationName(0), "Unknown");
  EXPECT_EQ(col.GetRelationName(14), "Parent-Ado");
  EXPECT_EQ(col.GetRelationName(36), "Child-Oth");
  EXPECT_EQ(col.GetRelationName(37), "");
  EXPECT_EQ(col.GetRelationName(-1), "");
  EXPECT_EQ(col.GetChildRelationName(9, 'f'), "Dau-Ste");
  EXPECT_EQ(col.GetChildRelationName(15, 'M'), "Son-Ste");
  EXPECT_EQ(col.GetChildRelationName(1, 'U'), "Child");
  EXPECT_EQ(col.GetChildRelationName(12, 'X'), "Child-Oth");
  EXPECT_EQ(col.GetChildRelationName(0, 'M'), "Unknown");
  EXPECT_EQ(col.GetChildRelationName(19, 'M'), "");
  EXPECT_EQ(col.GetChildRelationName(-3, 'M'), "");
  // Father, mother and parent codes with the same qualifier give the same name.
  for (int q = 0; q < 6; ++q) {
    EXPECT_EQ(col.GetChildRelationName(1 + q, 'm'), col.GetChildRelationName(13 + q, 'M'));
    EXPECT_EQ(col.GetChildRelationName(7 + q, 'F'), col.GetRelationName(25 + q));
  }
}

TEST_F(DetailRecordsTest, BaseCollectionDefaults) {
  EXPECT_EQ(col.GetCharSet(), CharSet::ANSEL);
  EXPECT_EQ(col.RecordToFileNumber(12), 12);
  EXPECT_EQ(col.FileNumberToRecord(12), 12);
  EXPECT_EQ(col.FindFamily("F1"), 0);
  col.AddPerson("A", "B");
  col.AddPerson("C", "D");
  EXPECT_EQ(col.DisplayCount(), 2);
  EXPECT_EQ(col.DisplayToRecord(2), 2);
  EXPECT_EQ(col.RecordToDisplay(1), 1);
  EXPECT_EQ(col.FindIndividual("I2"), 2);
  EXPECT_EQ(col.FindIndividual(""), 0);
}

}  // namespace

namespace {

// Opens the file-text helpers the readers share.
struct FileTexts : MemCollection {
  using WABSCollection::FileSizeOf;
  using WABSCollection::FileTimeOf;
  using WABSCollection::FormatFileDate;
  using WABSCollection::FormatFileSize;
};

TEST(FileTexts, SizeAndDateFormats) {
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_EQ(FileTexts::FormatFileDate(0), "");
  EXPECT_EQ(FileTexts::FormatFileDate(-5), "");
  EXPECT_EQ(FileTexts::FormatFileDate(86400 * 31 + 3600 * 13 + 60 * 5), "01 Feb 1970, 1:05 PM");
  EXPECT_EQ(FileTexts::FormatFileDate(60 * 7), "01 Jan 1970, 12:07 AM");
  EXPECT_EQ(FileTexts::FormatFileDate(3600 * 12), "01 Jan 1970, 12:00 PM");
  EXPECT_EQ(FileTexts::FormatFileSize(999), "999");
  const std::string sep = ThousandsSeparator("");
  EXPECT_EQ(FileTexts::FormatFileSize(1234567), "1" + sep + "234" + sep + "567");
  EXPECT_EQ(FileTexts::FormatFileSize(5000000000LL), "5" + sep + "000" + sep + "000" + sep + "000");
  EXPECT_EQ(FileTexts::FileSizeOf("/nonexistent/file"), -1);
  EXPECT_EQ(FileTexts::FileTimeOf("/nonexistent/file"), 0);
}

}  // namespace
