#include "app/ReaderChoice.h"

#include <gtest/gtest.h>

#include "TempGedFile.h"
#include "formats/ged/GEDCollection.h"
#include "formats/paf/PAFCollection.h"

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
  EXPECT_EQ(KindFromExtension(".ged"), FileKind::GEDCOM);
  EXPECT_EQ(KindFromExtension(".sub"), FileKind::GEDCOM);
  EXPECT_EQ(KindFromExtension(".xxx"), FileKind::GEDCOM);
  EXPECT_EQ(KindFromExtension(".paf"), FileKind::PAF);
  EXPECT_EQ(KindFromExtension(".fdb"), FileKind::Legacy);
  EXPECT_EQ(KindFromExtension(".fbk"), FileKind::FamilyTreeMaker);
  EXPECT_EQ(KindFromExtension(".tmg"), FileKind::TMG4);
  EXPECT_EQ(KindFromExtension(".pjc"), FileKind::TMG5);
  EXPECT_EQ(KindFromExtension(".rmg"), FileKind::RootsMagic3);
  EXPECT_EQ(KindFromExtension(".GED"), FileKind::None);  // callers lower-case first
  EXPECT_EQ(KindFromExtension(""), FileKind::None);
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

}  // namespace
