#include "app/ReaderChoice.h"

#include <gtest/gtest.h>

#include "TempGedFile.h"
#include "formats/dbf/DBFFile.h"
#include "formats/ftm/FTWCollection.h"
#include "formats/ged/GEDCollection.h"
#include "formats/legacy/LEGCollection.h"
#include "formats/paf/PAFCollection.h"
#include "formats/rm3/RM3Collection.h"
#include "formats/tmg/TMG5Collection.h"
#include "formats/tmg/TMGCollection.h"
#include "support/DBFWriter.h"
#include "support/PAFWriter.h"

namespace {

std::string ErrorFor(const std::string& bytes, const std::string& name, std::string* path = nullptr) {
  TempGedFile file(bytes, name);
  if (path) *path = file.path();
  std::string error;
  std::unique_ptr<WABSCollection> collection = CreateCollectionForFile(file.path(), error);
  if (collection) {
    EXPECT_EQ(error, "");
    return "opened";
  }
  return error;
}

TEST(ReaderChoice, KindsByExtension) {
  EXPECT_EQ(KindFromExtension(".ged"), &WGEDCollection::ReaderInfo());
  EXPECT_EQ(KindFromExtension(".sub"), &WGEDCollection::ReaderInfo());
  EXPECT_EQ(KindFromExtension(".xxx"), &WGEDCollection::ReaderInfo());
  EXPECT_EQ(KindFromExtension(".paf"), &WPAFCollection::ReaderInfo());
  EXPECT_EQ(KindFromExtension(".fdb"), &WLEGCollection::ReaderInfo());
  EXPECT_EQ(KindFromExtension(".fbk"), &WFTWCollection::ReaderInfo());
  EXPECT_EQ(KindFromExtension(".tmg"), &WTMGCollection::ReaderInfo());
  EXPECT_EQ(KindFromExtension(".pjc"), &WTMG5Collection::ReaderInfo());
  EXPECT_EQ(KindFromExtension(".rmg"), &WRM3Collection::ReaderInfo());
  EXPECT_EQ(KindFromExtension(".GED"), nullptr);  // callers lower-case first
  EXPECT_EQ(KindFromExtension(""), nullptr);
}

TEST(ReaderChoice, GedcomFilesAndTheUnicodeRefusal) {
  EXPECT_EQ(ErrorFor("0 HEAD\n0 TRLR\n", "upper.GED"), "opened");
  EXPECT_EQ(ErrorFor("\xEF\xBB\xBF"
                     "0 HEAD\n",
                     "bom.ged"),
            "opened");
  std::string be_path;
  const std::string be_error = ErrorFor(std::string("\xFE\xFF\0"
                                                    "0\0 ",
                                                    6),
                                        "be.ged", &be_path);
  EXPECT_EQ(be_error, "Error: Cannot read unicode GEDCOM file\r" + be_path);
  std::string path;
  std::string error = ErrorFor(std::string("\xFF\xFE"
                                           "0\0 \0H\0",
                                           8),
                               "le.ged", &path);
  EXPECT_EQ(error, "Error: Cannot read unicode GEDCOM file\r" + path);
  std::string sub_path;
  error = ErrorFor("\xFF\xFE", "two.sub", &sub_path);
  EXPECT_EQ(error, "Error: Cannot read unicode GEDCOM file\r" + sub_path);
}

// UTF-16 in either byte order, with or without its byte-order mark, is refused; ordinary text
// (also UTF-8 with its mark, or a file of NULs) is not.
TEST(ReaderChoice, UnicodeProbe) {
  auto unicode = [](const std::string& bytes) {
    TempGedFile file(bytes, "u.ged");
    return WGEDCollection::IsUnicodeFile(file.path());
  };
  EXPECT_TRUE(unicode(std::string("\xFF\xFE", 2)));
  EXPECT_TRUE(unicode(std::string("\xFE\xFF", 2)));
  EXPECT_TRUE(unicode(std::string("0\0 \0H\0E\0A\0D\0\r\0\n\0", 16)));  // little-endian, no mark
  EXPECT_TRUE(
      unicode(std::string("\0"
                          "0\0 \0H\0E\0A\0D\0\n",
                          14)));  // big-endian, no mark
  EXPECT_FALSE(unicode(std::string("\xFF", 1)));
  EXPECT_FALSE(unicode("0 HEAD\r\n1 CHAR ANSEL\r\n"));
  EXPECT_FALSE(
      unicode("\xEF\xBB\xBF"
              "0 HEAD\n"));
  EXPECT_FALSE(unicode(std::string(64, '\0')));
  EXPECT_FALSE(unicode("0 HEAD\n1 SOUR X\0\0\0\0\n"));
  EXPECT_FALSE(WGEDCollection::IsUnicodeFile("/nonexistent/file.ged"));
}

TEST(ReaderChoice, PafVersions) {
  auto version = [](const std::string& bytes) {
    TempGedFile file(bytes, "v.paf");
    return WPAFCollection::DetectPAFVersion(file.path());
  };
  EXPECT_EQ(version(std::string("\0\0\0\0\0\0\0\0"
                                "300\0",
                                12)),
            300);
  EXPECT_EQ(version(std::string("\0\0\0\0\0\0\0\0"
                                "400\0rest",
                                16)),
            400);
  EXPECT_EQ(version(std::string("\0\0\0\0"
                                "500\0"
                                "PAF\0",
                                12)),
            500);
  EXPECT_EQ(version(std::string("\0\0\0\0"
                                "400\0"
                                "PAF\0",
                                12)),
            1);
  EXPECT_EQ(version(std::string("\0\0\0\0\0\0\0\0"
                                "3000",
                                12)),
            1);
  EXPECT_EQ(version("short"), 1);
  EXPECT_EQ(WPAFCollection::DetectPAFVersion("/nonexistent.paf"), 1);
  EXPECT_EQ(ErrorFor(std::string("\0\0\0\0"
                                 "400\0"
                                 "PAF\0",
                                 12),
                     "x.paf"),
            "Unknown PAF file format");
  EXPECT_EQ(ErrorFor(std::string("\0\0\0\0"
                                 "500\0"
                                 "PAF\0",
                                 12),
                     "x.PAF"),
            "opened");
}


TEST(ReaderChoice, OtherKindsAndUnknownExtensions) {
  EXPECT_EQ(ErrorFor("x", "a.ftw"), "Not a valid Family Tree Maker file");
  EXPECT_EQ(ErrorFor("x", "a.FBK"), "Not a valid Family Tree Maker file");
  EXPECT_EQ(ErrorFor("x", "a.tmg"), "Unsupported TMG database version");
  EXPECT_EQ(ErrorFor("x", "a.pjc"), "opened");  // every 5.x project passes the version check
  EXPECT_EQ(ErrorFor("0 HEAD\n", "a.txt"), "Unknown file format");
  EXPECT_EQ(ErrorFor("0 HEAD\n", "noextension"), "Unknown file format");
  std::string error;
  EXPECT_EQ(CreateCollectionForFile("/nonexistent.ged/file", error), nullptr);
  EXPECT_EQ(error, "Unknown file format");
  EXPECT_EQ(CreateCollectionForFile("/nonexistent/file.ged", error), nullptr);
  EXPECT_EQ(error,
            "Error using the file /nonexistent/file.ged\r\nPlease check that this file is not being used by "
            "another "
            "application.");
}

// A file whose extension names one reader but whose content is another's is read by the reader
// of its content, with a note for the status bar; one that no content probe knows keeps the
// refusal of its extension's reader.
TEST(ReaderChoice, ContentChoosesTheReaderWhenTheExtensionIsWrong) {
  std::string error, note;
  {
    TempGedFile gedcom("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME Ann /Tanner/\n0 TRLR\n", "Tanner.paf");
    std::unique_ptr<WABSCollection> c = CreateCollectionForFile(gedcom.path(), error, &note);
    ASSERT_NE(c, nullptr) << error;
    EXPECT_TRUE(c->HasCrossReferenceIds());
    EXPECT_EQ(note, "Read as GEDCOM (by its content; the extension .paf names Personal Ancestral File)");
    ASSERT_TRUE(c->Import());
    EXPECT_EQ(c->IndividualCount(), 1);
  }
  {
    PAFBook book;
    PAFPerson ann;
    ann.sex = 'F';
    ann.given = "Ann";
    ann.surname = "Tanner";
    book.people.push_back(ann);
    TempGedFile paf(PAFWriter::Bytes(book), "tanner.GED");
    std::unique_ptr<WABSCollection> c = CreateCollectionForFile(paf.path(), error, &note);
    ASSERT_NE(c, nullptr) << error;
    EXPECT_EQ(c->GetIdentifierSource(), "PAF");
    EXPECT_EQ(note, "Read as Personal Ancestral File (by its content; the extension .ged names GEDCOM)");
    ASSERT_TRUE(c->Import());
    EXPECT_NE(c->GetIndividualName(1).find("Tanner"), std::string::npos);
  }
  {
    TempGedFile right("0 HEAD\n0 TRLR\n", "right.ged");
    EXPECT_NE(CreateCollectionForFile(right.path(), error, &note), nullptr);
    EXPECT_EQ(note, "");
  }
  // A file that cannot be read is no reader's content: the extension's reader reports it.
  for (const char* name : {"/nonexistent/a.ftw", "/nonexistent/a.paf", "/nonexistent/a.fdb"}) {
    const WReaderInfo* chosen = ReaderForFile(name, note);
    EXPECT_EQ(chosen, KindFromExtension(ExtensionOf(name))) << name;
    EXPECT_EQ(note, "");
  }
  // Content nobody knows: the extension's own refusal, and no note.
  EXPECT_EQ(ErrorFor("not a genealogy file", "junk.paf"), "Unknown PAF file format");
  EXPECT_EQ(ErrorFor("not a genealogy file", "junk.fdb"), "Not a valid Legacy Family Tree Database");
  // A UTF-16 GEDCOM file is no "0 HEAD" file: it keeps the GEDCOM refusal.
  std::string path;
  const std::string wide = ErrorFor(std::string("\xFF\xFE"
                                                "0\0 \0H\0",
                                                8),
                                    "le.ged", &path);
  EXPECT_EQ(wide, "Error: Cannot read unicode GEDCOM file\r" + path);
}

TEST(ReaderChoice, ContentProbes) {
  auto gedcom = [](const std::string& bytes) {
    TempGedFile file(bytes, "probe.bin");
    return WGEDCollection::StartsWithHeader(file.path());
  };
  EXPECT_TRUE(gedcom("0 HEAD\n"));
  EXPECT_TRUE(gedcom("\xEF\xBB\xBF"
                     "0 HEAD\r\n1 SOUR X"));
  EXPECT_TRUE(gedcom("\r\n\r\n  0  head"));
  EXPECT_FALSE(gedcom("0 HEADER\n"));
  EXPECT_FALSE(gedcom("1 HEAD\n"));
  EXPECT_FALSE(gedcom("0HEAD\n"));
  EXPECT_FALSE(gedcom(""));
  EXPECT_FALSE(WGEDCollection::StartsWithHeader("/nonexistent/a.ged"));

  auto table = [](const std::string& bytes) {
    TempGedFile file(bytes, "t.dbf");
    return WDBFFile::HasTableHeader(file.path());
  };
  DBFWriter people;
  people.Field("NAME", 'C', 20).Row({"Ann"});
  const std::string dbf = people.TableBytes();
  EXPECT_TRUE(table(dbf));
  EXPECT_FALSE(table(dbf.substr(0, 20)));
  std::string wrong = dbf;
  wrong[0] = 'X';
  EXPECT_FALSE(table(wrong));
  EXPECT_FALSE(table("0 HEAD\n1 SOUR X\n2 VERS 1\n0 TRLR\n"));

  // The registry's readers all carry a content probe.
  for (const char* extension : {".ged", ".paf", ".fdb", ".ftw", ".tmg", ".pjc", ".rmg"}) {
    const WReaderInfo* reader = KindFromExtension(extension);
    ASSERT_NE(reader, nullptr) << extension;
    EXPECT_NE(reader->recognises, nullptr) << extension;
  }
}

}  // namespace
