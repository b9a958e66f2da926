#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "TempGedFile.h"
#include "base/Errors.h"
#include "base/UIHooks.h"
#include "formats/ged/GEDCollection.h"
#include "model/FamLinks.h"
#include "model/IndLinks.h"

namespace {

// A collection imported from the given text.
struct Imported {
  explicit Imported(const std::string& bytes) : file(bytes), collection(file.path()) {
    ImportCancelled = false;
    ok = collection.Import();
  }
  TempGedFile file;
  WGEDCollection collection;
  bool ok = false;
};

std::string WithEol(const std::string& text, const std::string& eol) {
  std::string out;
  for (char c : text) {
    if (c == '\n')
      out += eol;
    else
      out += c;
  }
  return out;
}

const char kFamily[] =
    "0 HEAD\n1 CHAR ANSEL\n"
    "0 @I1@ INDI\n1 NAME John /Smith/\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Mary /Jones/\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Ann /Smith/\n1 FAMC @F1@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n"
    "0 @N1@ NOTE a note\n0 @S1@ SOUR\n0 @R1@ REPO\n0 @U1@ SUBM\n"
    "0 TRLR\n";

TEST(GEDScan, CountsAndLookupsAreTheSameForEveryLineEnding) {
  for (const char* eol : {"\n", "\r", "\r\n"}) {
    Imported f(WithEol(kFamily, eol));
    ASSERT_TRUE(f.ok);
    EXPECT_EQ(f.collection.IndividualCount(), 3);
    EXPECT_EQ(f.collection.FamilyCount(), 1);
    EXPECT_EQ(f.collection.NoteCount(), 1);
    EXPECT_EQ(f.collection.SourceCount(), 1);
    EXPECT_EQ(f.collection.FindIndividual("I3"), 3);
    EXPECT_EQ(f.collection.FindRepository("R1"), 1);
    EXPECT_EQ(f.collection.FindRecord(gkOther, "U1"), 1);
    EXPECT_EQ(f.collection.FindIndividual("@I3@"), 0);  // lookups take the identifier without "@"
    EXPECT_EQ(f.collection.FamLinks()->GetHusband(1), 1);
    EXPECT_EQ(f.collection.FamLinks()->GetWife(1), 2);
    EXPECT_EQ(f.collection.FamLinks()->ChildCount(1), 1);
    EXPECT_EQ(f.collection.IndLinks()->GetParentFamily(3, 1), 1);
    EXPECT_EQ(f.collection.IndLinks()->GetSpouseFamily(1, 1), 1);
    EXPECT_EQ(f.collection.GetCharSet(), CharSet::ANSEL);
    EXPECT_EQ(f.collection.PreCountIndividuals(), 3);
  }
}

TEST(GEDScan, RecordsAfterTheTrailerAreNotRead) {
  Imported f("0 HEAD\n0 @I1@ INDI\n0 TRLR\n0 @I2@ INDI\n");
  EXPECT_EQ(f.collection.IndividualCount(), 1);
  EXPECT_EQ(f.collection.FindIndividual("I2"), 0);
  EXPECT_EQ(f.collection.PreCountIndividuals(), 1);
}

TEST(GEDScan, IndentedRecordLinesBelongToThePreviousRecord) {
  Imported f("0 HEAD\n0 @I1@ INDI\n  0 @I2@ INDI\n1 FAMS @F1@\n0 @F1@ FAM\n1 HUSB @I1@\n0 TRLR\n");
  EXPECT_EQ(f.collection.IndividualCount(), 1);
  EXPECT_EQ(f.collection.IndLinks()->SpouseFamilyCount(1), 1);  // its FAMS line is I1's
}

TEST(GEDScan, TheFirstRecordIsTheHeaderWhateverItIs) {
  Imported f(
      "\xEF\xBB\xBF"
      "0 @I1@ INDI\n0 @I2@ INDI\n0 TRLR\n");
  EXPECT_EQ(f.collection.IndividualCount(), 1);
  EXPECT_EQ(f.collection.FindIndividual("I1"), 0);
  EXPECT_EQ(f.collection.FindIndividual("I2"), 1);
  ASSERT_NE(f.collection.HeaderLine(), nullptr);
  EXPECT_EQ(f.collection.HeaderLine() - f.collection.Text().Start(), 3);
}

TEST(GEDScan, EmptyIdentifiersAreSkippedAndNumbersStayConsecutive) {
  Imported f("0 HEAD\n0 @I1@ INDI\n0 @@ INDI\n0 INDI\n0 @I3@ INDI\n0 TRLR\n");
  EXPECT_EQ(f.collection.IndividualCount(), 2);
  EXPECT_EQ(f.collection.FindIndividual("I3"), 2);
  EXPECT_EQ(std::string(f.collection.RecordLine(gkIndividual, 2), 11), "0 @I3@ INDI");
  EXPECT_EQ(f.collection.RecordLine(gkIndividual, 3), nullptr);
  EXPECT_THROW(f.collection.IndIndex()->GetOffset(3), EIndexError);
  EXPECT_THROW(f.collection.OffsetTable(gkFamily)->GetOffset(0), EIndexError);
}

TEST(GEDScan, LongIdentifiersCompareOnTheirFirst15Characters) {
  Imported f("0 HEAD\n0 @ABCDEFGHIJKLMNOone@ INDI\n0 @ABCDEFGHIJKLMNOtwo@ INDI\n0 TRLR\n");
  EXPECT_EQ(f.collection.IndividualCount(), 2);
  RecNo found = f.collection.FindIndividual("ABCDEFGHIJKLMNO");
  EXPECT_TRUE(found == 1 || found == 2);
  EXPECT_EQ(f.collection.FindIndividual("ABCDEFGHIJKLMNOone"), found);
}

TEST(GEDScan, LookupsFindEveryKeyAfterAnUnsortedScan) {
  std::string text = "0 HEAD\n";
  for (int i = 1; i <= 2000; ++i) text += "0 @P" + std::to_string(i * 7919 % 2003) + "@ INDI\n";
  text += "0 TRLR\n";
  Imported f(text);
  ASSERT_EQ(f.collection.IndividualCount(), 2000);
  EXPECT_FALSE(f.collection.XRefTable(gkIndividual)->IsUnsorted());
  for (int i = 1; i <= 2000; ++i)
    ASSERT_EQ(f.collection.FindIndividual("P" + std::to_string(i * 7919 % 2003)), i);
  EXPECT_EQ(f.collection.FindIndividual("P2002x"), 0);
  EXPECT_EQ(f.collection.FindIndividual(""), 0);
  EXPECT_EQ(f.collection.FindNote("P1"), 0);
}

TEST(GEDScan, LinksFromBothSidesAndUnknownIdentifiers) {
  Imported f(
      "0 HEAD\n"
      "0 @I1@ INDI\n1 FAMS @F1@\n1 FAMS @F9@\n"  // F9 does not exist
      "0 @I2@ INDI\n1 FAMS @F1@\n"               // wife only by her own FAMS line
      "0 @I3@ INDI\n1 FAMC @F2@\n1 FAMC @F1@\n"
      "0 @I4@ INDI\n"
      "0 @F1@ FAM\n1 HUSB @I9@\n1 CHIL @X1@\n1 CHIL @I4@\n2 HUSB @I1@\n1 CHIL @I3@\n"
      "0 @F2@ FAM\n1 WIFE @I2@\n1 WIFE @I4@\n"
      "0 TRLR\n");
  WFamLinks& fam = *f.collection.FamLinks();
  WIndLinks& ind = *f.collection.IndLinks();
  // The husband comes only from the family's own HUSB line, which names nobody known.
  EXPECT_EQ(fam.GetHusband(1), 0);
  EXPECT_EQ(fam.GetWife(1), 0);
  EXPECT_EQ(fam.GetWife(2), 4);  // the last WIFE line wins
  EXPECT_EQ(ind.SpouseFamilyCount(1), 1);
  // Parent families: FAMC lines in order, then families naming the person only by CHIL.
  ASSERT_EQ(ind.ParentFamilyCount(3), 2);
  EXPECT_EQ(ind.GetParentFamily(3, 1), 2);
  EXPECT_EQ(ind.GetParentFamily(3, 2), 1);
  EXPECT_EQ(ind.ParentFamilyCount(4), 1);
  RecNo family;
  int mother, father;
  ASSERT_TRUE(ind.GetParentFamilyLink(4, 1, family, mother, father));
  EXPECT_EQ(family, 1);
  EXPECT_EQ(mother, 7);
  EXPECT_EQ(father, 1);
  // The unknown first CHIL does not advance the positions: I4 gets 0, I3 gets 1.
  ASSERT_EQ(fam.ChildCount(1), 2);
  std::map<RecNo, int> positions;
  for (int i = 1; i <= 2; ++i) positions[fam.GetChild(1, i)] = fam.GetChildPosition(1, i);
  EXPECT_EQ(positions[4], 0);
  EXPECT_EQ(positions[3], 1);
  // Spouse families of I2: F1 from its FAMS line, F2 from F2's WIFE line.
  EXPECT_EQ(ind.SpouseFamilyCount(2), 2);
  EXPECT_EQ(ind.SpouseFamilyCount(4), 1);
}

TEST(GEDScan, CharacterSets) {
  struct Case {
    const char* header;
    CharSet expected;
  };
  for (const Case& c :
       {Case{"0 HEAD\n1 CHAR  ansel  \n", CharSet::ANSEL}, Case{"0 HEAD\n1 CHAR UTF-8\r\n", CharSet::UTF8},
        Case{"0 HEAD\n1 CHAR ASCII\n", CharSet::Plain}, Case{"0 HEAD\n1 SOUR X\n", CharSet::Plain},
        Case{"0 HEAD\n2 CHAR UTF-8\n1 CHAR ANSEL\n", CharSet::ANSEL},
        Case{"0 HEAD\n0 @I1@ INDI\n1 CHAR UTF-8\n", CharSet::Plain},
        Case{"0 HEAD\n1 CHAR\n2 VERS UTF-8\n", CharSet::Plain}}) {
    Imported f(std::string(c.header) + "0 TRLR\n");
    EXPECT_EQ(f.collection.GetCharSet(), c.expected) << c.header;
  }
  Imported ansel("0 HEAD\n1 CHAR ANSEL\n0 TRLR\n");
  EXPECT_EQ(ansel.collection.ConvertText("Ren\xE2"
                                         "e"),
            "Ren\xE9");
  Imported utf8("0 HEAD\n1 CHAR UTF-8\n0 TRLR\n");
  EXPECT_EQ(utf8.collection.ConvertText("Ren\xC3\xA9"), "Ren\xE9");
  Imported plain("0 HEAD\n0 TRLR\n");
  EXPECT_EQ(plain.collection.ConvertText("Ren\xE9"), "Ren\xE9");
}

TEST(GEDScan, FilesWithoutRecordsOrLineBreaks) {
  for (const char* text : {"", "no zero byte here", "0 HEAD", "0 HEAD\n0 @I1@ INDI", "\n\n\n", "0"}) {
    Imported f(text);
    EXPECT_TRUE(f.ok) << text;
    EXPECT_LE(f.collection.IndividualCount(), 1) << text;
  }
  Imported last("0 HEAD\n0 @F1@ FAM\n1 CHIL @I1@\n0 @I1@ INDI\n1 FAMC @F1@");
  EXPECT_EQ(last.collection.IndividualCount(), 1);
  EXPECT_EQ(last.collection.FamLinks()->ChildCount(1), 1);
  Imported none("");
  EXPECT_EQ(none.collection.HeaderLine(), nullptr);
  EXPECT_EQ(none.collection.FindIndividual("I1"), 0);
  EXPECT_EQ(none.collection.PreCountIndividuals(), 0);
}

TEST(GEDScan, ACancelledImportReturnsFalse) {
  std::string text = "0 HEAD\n";
  for (int i = 1; i <= 3000; ++i) text += "0 @I" + std::to_string(i) + "@ INDI\n1 FAMC @F1@\n";
  text += "0 @F1@ FAM\n0 TRLR\n";
  TempGedFile file(text);
  for (auto threads : {WGEDCollection::kScanAuto, WGEDCollection::kScanTwoThreads}) {
    WGEDCollection collection(file.path());
    collection.SetScanThreads(threads);
    int yields = 0;
    SetYieldHook([&] {
      if (++yields == 3) ImportCancelled = true;
    });
    ImportCancelled = false;
    EXPECT_FALSE(collection.Import());
    SetYieldHook(nullptr);
    ImportCancelled = false;
    // Yields at the 1st, 501st and 1001st record (on the main thread, also with a helper);
    // the third one cancelled.
    EXPECT_EQ(collection.IndividualCount(), 1001) << threads;
  }
}

TEST(GEDScan, AFileBeyond32BitOffsetsIsRefused) {
  TempGedFile file("");
  int fd = ::open(file.path().c_str(), O_WRONLY);
  ASSERT_GE(fd, 0);
  bool sparse = ::ftruncate(fd, static_cast<off_t>(WTextMMF::kMaxTextSize) + 1) == 0;
  ::close(fd);
  if (!sparse) GTEST_SKIP() << "cannot make a sparse file of 4 GB here";
  try {
    WGEDCollection collection(file.path());
    FAIL() << "opened";
  } catch (const EFileFormatError& e) {
    EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos);
  }
}

TEST(GEDScan, FileFacts) {
  Imported f(kFamily);
  EXPECT_EQ(f.collection.GetVersionText(), "N/A");
  EXPECT_EQ(f.collection.GetFileSizeText(), std::to_string(sizeof kFamily - 1));
  EXPECT_FALSE(f.collection.GetFileDateText().empty());
  EXPECT_TRUE(f.collection.HasCrossReferenceIds());
}

}  // namespace

namespace {

// Many links, short and long identifiers mixed, forward and backward references: every
// line must reach the record it names (the resolution works several lines ahead).
TEST(GEDScan, EveryLinkOfALargeFileIsResolved) {
  const int kFamilies = 300;
  // Short (up to 8 characters), long, and cut at 15 characters (unique in those).
  auto person = [](int i) {
    char id[32];
    if (i % 3 == 0)
      std::snprintf(id, sizeof id, "LONGID%05d", i);
    else if (i % 3 == 1)
      std::snprintf(id, sizeof id, "X%05d-and-more-text", i);
    else
      std::snprintf(id, sizeof id, "I%d", i);
    return std::string(id);
  };
  std::string text = "0 HEAD\n";
  for (int f = 1; f <= kFamilies; ++f) {
    text += "0 @F" + std::to_string(f) + "@ FAM\n1 HUSB @" + person(2 * f) + "@\n1 WIFE @" +
            person(2 * f + 1) + "@\n";
    text += "1 CHIL @" + person(2 * f + 2) + "@\n";
  }
  for (int i = 2; i <= 2 * kFamilies + 2; ++i) {
    text += "0 @" + person(i) + "@ INDI\n";
    if (i % 2 == 0 && i / 2 <= kFamilies) text += "1 FAMS @F" + std::to_string(i / 2) + "@\n";
  }
  text += "0 TRLR\n";
  Imported f(text);
  ASSERT_EQ(f.collection.FamilyCount(), kFamilies);
  WFamLinks& fam = *f.collection.FamLinks();
  WIndLinks& ind = *f.collection.IndLinks();
  for (int n = 1; n <= kFamilies; ++n) {
    // Individuals are numbered in file order: person(i) is record i - 1.
    EXPECT_EQ(fam.GetHusband(n), 2 * n - 1) << n;
    EXPECT_EQ(fam.GetWife(n), 2 * n) << n;
    ASSERT_EQ(fam.ChildCount(n), 1) << n;
    EXPECT_EQ(fam.GetChild(n, 1), 2 * n + 1) << n;
    EXPECT_EQ(ind.GetSpouseFamily(2 * n - 1, 1), n) << n;
  }
}

}  // namespace

namespace {

// Everything the scan and the link passes leave behind, in a form two imports can be
// compared by.
std::string Tables(WGEDCollection& c) {
  std::string out = "header " + std::to_string(c.HeaderLine() ? c.HeaderLine() - c.Text().Start() : -1) +
                    " charset " + std::to_string(static_cast<int>(c.GetCharSet())) + "\n";
  for (int kind = 0; kind < gkKindCount; ++kind) {
    GEDRecordKind k = static_cast<GEDRecordKind>(kind);
    out += "kind " + std::to_string(kind) + ":";
    for (RecNo n = 1; n <= c.RecordCount(k); ++n)
      out += " " + std::to_string(c.RecordLine(k, n) - c.Text().Start());
    WXREFIndex* keys = c.XRefTable(k);
    out += keys->IsUnsorted() ? " | unsorted" : " | sorted";
    for (int i = 1; i <= keys->Count(); ++i)
      out += " " + std::string(keys->ElementAt(i)->key) + "=" + std::to_string(keys->ElementAt(i)->rec_no);
    out += "\n";
  }
  if (c.IndLinks() == nullptr) return out + "no links\n";
  WIndLinks& ind = *c.IndLinks();
  WFamLinks& fam = *c.FamLinks();
  for (RecNo i = 1; i <= c.IndividualCount(); ++i) {
    out += "I" + std::to_string(i) + " parents";
    for (int k = 1; k <= ind.ParentFamilyCount(i); ++k)
      out += " " + std::to_string(ind.GetParentFamily(i, k));
    out += " spouses";
    for (int k = 1; k <= ind.SpouseFamilyCount(i); ++k)
      out += " " + std::to_string(ind.GetSpouseFamily(i, k));
    out += "\n";
  }
  for (RecNo f = 1; f <= c.FamilyCount(); ++f) {
    out += "F" + std::to_string(f) + " " + std::to_string(fam.GetHusband(f)) + "+" +
           std::to_string(fam.GetWife(f));
    for (int k = 1; k <= fam.ChildCount(f); ++k)
      out += " " + std::to_string(fam.GetChild(f, k)) + "@" + std::to_string(fam.GetChildPosition(f, k));
    out += "\n";
  }
  return out;
}

std::string ImportedTables(const std::string& text, WGEDCollection::ScanThreads threads, bool* ok = nullptr) {
  TempGedFile file(text);
  WGEDCollection collection(file.path());
  collection.SetScanThreads(threads);
  ImportCancelled = false;
  bool imported = collection.Import();
  if (ok != nullptr) *ok = imported;
  return Tables(collection);
}

// One family tree with every kind of record, links both ways, long, cut, empty and
// missing identifiers, indented and blank lines, and records after the trailer.
std::string Tree(int people) {
  std::string text = "0 HEAD\n1 CHAR ANSEL\n1 SOUR X\n";
  for (int i = 1; i <= people; ++i) {
    std::string id =
        i % 7 == 0 ? "PERSON-WITH-A-LONG-ID-" + std::to_string(i) : "I" + std::to_string(i * 37 % 1009);
    text += "0 @" + id + "@ INDI\n1 NAME Person /" + std::to_string(i) + "/\n";
    if (i % 3 != 1) text += "1 FAMC @F" + std::to_string(i / 3) + "@\n";
    if (i % 5 == 0) text += "  1 FAMS @F" + std::to_string(i / 5) + "@\n\n";
    if (i % 11 == 0) text += "1 FAMS @F999@\n1 FAMC @@\n1 FAMC no identifier\n";
    text += "2 DATE 1 JAN 1900\n";
  }
  for (int f = 0; f <= people / 3; ++f) {
    text += "0 @F" + std::to_string(f) + "@ FAM\n1 HUSB @I" + std::to_string(f * 37 % 1009) + "@\n";
    text += "1 WIFE @PERSON-WITH-A-LONG-ID-" + std::to_string(7 * (f + 1)) + "@\n";
    for (int c = 1; c <= 3; ++c) text += "1 CHIL @I" + std::to_string((3 * f + c) * 37 % 1009) + "@\n";
    text += "1 CHIL @UNKNOWN@\n\t1 CHIL @I" + std::to_string((3 * f + 4) * 37 % 1009) + "@\n";
  }
  text +=
      "0 @N1@ NOTE text\n0 @S1@ SOUR\n0 @R1@ REPO\n0 @U1@ SUBM\n0 @B1@ SUBN\n0 @O1@ OBJE\n0 @X1@\n0 INDI\n";
  text += "0 TRLR\n0 @I9999@ INDI\n1 FAMS @F1@\n";
  return text;
}

TEST(GEDScan, OneAndTwoThreadsGiveTheSameTables) {
  std::string tree = Tree(120);
  std::vector<std::pair<std::string, std::string>> files;
  for (const char* eol : {"\n", "\r\n", "\r"}) files.emplace_back(eol, WithEol(tree, eol));
  files.emplace_back("BOM", "\xEF\xBB\xBF" + tree);
  files.emplace_back("no trailer", tree.substr(0, tree.find("0 TRLR")));
  files.emplace_back("cut in a record", tree.substr(0, tree.rfind("1 CHIL @UNKNOWN@") + 9));
  files.emplace_back("empty", "");
  files.emplace_back("header only", "0 HEAD");
  for (const auto& [name, text] : files) {
    bool ok1 = false, ok2 = false;
    std::string one = ImportedTables(text, WGEDCollection::kScanOneThread, &ok1);
    std::string two = ImportedTables(text, WGEDCollection::kScanTwoThreads, &ok2);
    EXPECT_TRUE(ok1 && ok2) << name;
    EXPECT_EQ(one, two) << name;
  }
  // Not trivially equal: the tables hold the tree, indented link lines included.
  for (auto threads : {WGEDCollection::kScanOneThread, WGEDCollection::kScanTwoThreads}) {
    TempGedFile file(tree);
    WGEDCollection c(file.path());
    c.SetScanThreads(threads);
    ASSERT_TRUE(c.Import());
    EXPECT_EQ(c.IndividualCount(), 120);
    EXPECT_EQ(c.FindIndividual("I9999"), 0);    // after the trailer
    ASSERT_EQ(c.FamLinks()->ChildCount(1), 4);  // three CHIL lines, an unknown one, a TAB-indented one
    EXPECT_EQ(c.FamLinks()->GetChild(1, 4), c.FindIndividual("I148"));
    EXPECT_EQ(c.FamLinks()->GetChildPosition(1, 4), 3);
    EXPECT_EQ(c.IndLinks()->GetSpouseFamily(5, 1), c.FindFamily("F1"));  // a space-indented FAMS line
  }
}

// Line starts are found 64 bytes at a time with a look at the byte after each break; every
// position of a line against those blocks, and the file's last bytes, must give the same
// tables on both paths.
TEST(GEDScan, RecordsAtEveryPositionOfABlock) {
  const std::string tree = Tree(6);
  for (size_t pad = 0; pad < 66; ++pad) {
    std::string text = std::string(pad, ' ') + tree;
    std::string one = ImportedTables(text, WGEDCollection::kScanOneThread);
    ASSERT_EQ(one, ImportedTables(text, WGEDCollection::kScanTwoThreads)) << pad;
    // The last record line sits at each distance from the end of the file.
    std::string cut =
        tree.substr(0, tree.find("0 TRLR")) + "0 @Z1@ INDI\n1 FAMC @F1@" + std::string(pad, '\n');
    ASSERT_EQ(ImportedTables(cut, WGEDCollection::kScanOneThread),
              ImportedTables(cut, WGEDCollection::kScanTwoThreads))
        << pad;
  }
}

}  // namespace
