#include "formats/ged/GEDTextMMF.h"

#include <gtest/gtest.h>

#include "TempGedFile.h"

namespace {

// The mapped text of a temporary file.
struct Text {
  explicit Text(const std::string& bytes) : file(bytes), text(file.path()) {}
  const char* At(size_t offset) const { return text.Start() + offset; }
  size_t OffsetOf(const char* p) const { return static_cast<size_t>(p - text.Start()); }
  TempGedFile file;
  WGEDTextMMF text;
};

TEST(GEDTextMMF, LinesEndAtCrLfOrCrLfAndSkipBlanks) {
  for (const char* eol : {"\n", "\r", "\r\n"}) {
    std::string e = eol;
    Text t("0 HEAD" + e + "1 CHAR ANSEL" + e + e + "   2 VERS 1" + e + "0 TRLR" + e);
    const char* line = t.text.NextLine(t.At(0));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(t.text.WordValue(line), "ANSEL") << "eol " << e.size();
    line = t.text.NextLine(line);  // the blank line and the indentation are skipped
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(*line, '2');
    EXPECT_EQ(t.text.LineLevel(line), 2);
    const char* trailer = t.text.NextRecord(t.At(0));
    ASSERT_NE(trailer, nullptr);
    EXPECT_EQ(std::string(trailer, 6), "0 TRLR");
    EXPECT_EQ(t.text.NextLine(trailer), nullptr);
    EXPECT_EQ(t.text.NextRecord(trailer), nullptr);
  }
}

TEST(GEDTextMMF, IndentedZeroIsNotARecordLine) {
  Text t("0 HEAD\n 0 @I1@ INDI\n0 @I2@ INDI\n");
  const char* next = t.text.NextRecord(t.At(0));
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(t.text.GetXRef(next + 2), "I2");
}

TEST(GEDTextMMF, NoFinalLineBreak) {
  Text t("0 HEAD\n1 NOTE last words   ");
  const char* note = t.text.NextLine(t.At(0));
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(t.text.LineValueAt(note, 6), "last words");
  EXPECT_EQ(t.text.NextLine(note), nullptr);
  EXPECT_EQ(t.text.NextRecord(note), nullptr);
  EXPECT_EQ(t.text.RecordTextAt(t.At(0)), "");  // no record line follows
  // A tag cut by the end of the file reads as if a line break followed.
  Text cut("0 HEAD\n1 CHR");
  EXPECT_EQ(cut.text.TagAt(cut.text.NextLine(cut.At(0))), GEDTag("CHR\n"));
}

TEST(GEDTextMMF, Identifiers) {
  Text t("0   @I12@ INDI\n0 @@ INDI\n0 @I3 INDI\n0 @ABCDEFGHIJKLMNOPQ@ INDI\n0 X@I1@\n");
  std::string id;
  EXPECT_TRUE(t.text.GetXRef(t.At(2), id));
  EXPECT_EQ(id, "I12");
  const char* line = t.text.NextRecord(t.At(0));
  EXPECT_TRUE(t.text.GetXRef(line + 2, id));  // two adjacent "@": an empty identifier
  EXPECT_EQ(id, "");
  line = t.text.NextRecord(line);
  EXPECT_FALSE(t.text.GetXRef(line + 2, id));  // no closing "@" on the line
  EXPECT_EQ(t.text.RecordKind(line), gkNone);
  line = t.text.NextRecord(line);
  EXPECT_EQ(t.text.GetXRef(line + 2), "ABCDEFGHIJKLMNO");  // first 15 characters
  line = t.text.NextRecord(line);
  EXPECT_FALSE(t.text.GetXRef(line + 2, id));
  EXPECT_FALSE(t.text.GetXRef(nullptr, id));
}

TEST(GEDTextMMF, RecordKinds) {
  Text t(
      "0 @A@ INDI\n0 @B@ FAM\n0 @C@ FAMILY\n0 @D@ NOTE text\n0 @E@ SOUR\n0 @F@ SUBM\n0 @G@ SUBN\n"
      "0 @H@ REPO\n0 @I@ OBJE\n0 @J@\n0 @K@INDI\n0 @L@ IN");
  std::vector<GEDRecordKind> kinds;
  for (const char* line = t.At(0); line != nullptr; line = t.text.NextRecord(line))
    kinds.push_back(t.text.RecordKind(line));
  EXPECT_EQ(kinds, (std::vector<GEDRecordKind>{gkIndividual, gkFamily, gkFamily, gkNote, gkSource, gkOther,
                                               gkSubmission, gkRepository, gkMultimedia, gkOther,
                                               gkIndividual, gkOther}));
}

TEST(GEDTextMMF, ValuesStopAtTheLineEnd) {
  Text t("1 BIRT\r\n1 CHR\r\n2 PLAC  Pearland  \r\n2 CITY\n1 SEX\n");
  const char* birt = t.At(0);
  EXPECT_EQ(t.text.LineValueAt(birt, 6), "");
  const char* chr = t.text.NextLine(birt);
  EXPECT_EQ(t.text.TagAt(chr), GEDTag("CHR\r"));
  // Column 7 lies beyond the end of "1 CHR": the value is empty, not the next line.
  EXPECT_EQ(t.text.LineValueAt(chr, 7), "");
  EXPECT_EQ(t.text.ColumnAt(chr, 7), nullptr);
  const char* plac = t.text.NextLine(chr);
  EXPECT_EQ(t.text.LineValueAt(plac, 7), "Pearland");
  EXPECT_EQ(t.text.WordValue(plac), "Pearland");
  const char* city = t.text.NextLine(plac);
  EXPECT_EQ(t.text.WordValue(city), "");
  const char* sex = t.text.NextLine(city);
  EXPECT_EQ(t.text.ByteAt(sex, 6), 0);
}

TEST(GEDTextMMF, LongValuesAreCut) {
  std::string big(70000, 'x');
  Text t("0 @N1@ NOTE " + big + "\n1 CONC " + big + "\n0 TRLR\n");
  const char* note = t.At(0);
  EXPECT_EQ(t.text.LineValueAt(note, 12).size(), WGEDTextMMF::kWorkAreaSize - 1);
  std::vector<std::string> pieces = t.text.ReadContinued(note + 12);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].size(), WGEDTextMMF::kWorkAreaSize - 1);
  EXPECT_EQ(t.text.RecordTextAt(note).size(), WGEDTextMMF::kWorkAreaSize - 1);
}

TEST(GEDTextMMF, LineLevels) {
  Text t("12 TAG\n1x TAG\nA\n");
  EXPECT_EQ(t.text.LineLevel(t.At(0)), 12);
  EXPECT_EQ(t.text.LineLevel(t.text.NextLine(t.At(0))), 0);
  EXPECT_EQ(t.text.LineLevel(nullptr), 0);
  // One digit and a blank, a digit alone on its line and a digit at the very end of the file.
  Text u("3 TAG\n5\n 4\n7");
  const char* line = u.At(0);
  EXPECT_EQ(u.text.LineLevel(line), 3);
  EXPECT_EQ(u.text.LineLevel(line = u.text.NextLine(line)), 5);
  EXPECT_EQ(u.text.LineLevel(line = u.text.NextLine(line)), 4);
  EXPECT_EQ(u.text.LineLevel(line = u.text.NextLine(line)), 7);
  EXPECT_EQ(u.text.LineLevel(line + 1), 0);  // the end of the file
}

TEST(GEDTextMMF, ContinuedTextLosesSpacesAtTheJoins) {
  Text t("0 @N1@ NOTE First part \n1 CONC  joined\n  1 CONT second line\n3 CONT\n2 CONC end\n1 SOUR @S1@\n");
  std::vector<std::string> pieces = t.text.ReadContinued(t.At(12));
  EXPECT_EQ(pieces, (std::vector<std::string>{"First partjoined", "second line", "end"}));
}

TEST(GEDTextMMF, UnixTextIsTheFirstLineBreak) {
  EXPECT_TRUE(Text("0 HEAD\n0 TRLR\r\n").text.IsUnixText());
  EXPECT_FALSE(Text("0 HEAD\r\n0 TRLR\n").text.IsUnixText());
  EXPECT_FALSE(Text("0 HEAD").text.IsUnixText());
}

TEST(GEDTextMMF, EmptyFile) {
  Text t("");
  EXPECT_EQ(t.text.TextSize(), 0u);
  EXPECT_EQ(t.text.NextLine(t.text.Start()), nullptr);
  EXPECT_EQ(t.text.NextRecord(t.text.Start()), nullptr);
  EXPECT_EQ(t.text.LineValue(t.text.Start()), "");
}

TEST(GEDTextMMF, FindLineBreakAtEveryAlignment) {
  // The vectorised search must agree with a byte loop whatever the distance.
  std::string bytes(100, 'a');
  for (size_t at = 0; at < bytes.size(); ++at) {
    std::string s = bytes;
    s[at] = at % 2 ? '\r' : '\n';
    EXPECT_EQ(WGEDTextMMF::FindLineBreak(s.data(), s.data() + s.size()), s.data() + at);
    EXPECT_EQ(WGEDTextMMF::FindLineBreak(s.data(), s.data() + at), s.data() + at);
  }
}

}  // namespace
