// Paths are bytes: split and joined as bytes, and sibling files found without regard to case.

#include "base/FilePaths.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempDir.h"

namespace {

TEST(FilePaths, SplittingAndJoining) {
  EXPECT_EQ(DirectoryOf("/a/b.ged"), "/a");
  EXPECT_EQ(DirectoryOf("b.ged"), ".");
  EXPECT_EQ(DirectoryOf("/b.ged"), "/");
  EXPECT_EQ(FileNameOf("/a/\xC5\x81\xC3\xB3"
                       "d\xC5\xBA/\xCE\x9E.ged"),
            "\xCE\x9E.ged");
  EXPECT_EQ(BaseNameOf("/a/Family.v2.rmg"), "Family.v2");
  EXPECT_EQ(BaseNameOf("/a/.hidden"), ".hidden");
  EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
  EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
}

TEST(FilePaths, SiblingFilesAreFoundWhateverTheirCase) {
  TempDir dir;
  std::ofstream(dir / "FAMILY_I.DBF") << "x";
  std::ofstream(dir / "family_n.dbf") << "x";
  std::ofstream(dir / "Family_N.DBF") << "x";
  const std::string d = dir.path();
  EXPECT_EQ(FindFileNoCase(d, "family_i.dbf"), d + "/FAMILY_I.DBF");
  EXPECT_EQ(FindFileNoCase(d, "Family_N.DBF"), d + "/Family_N.DBF");  // the exact name wins
  EXPECT_EQ(FindFileNoCase(d, "family_x.dbf"), "");
  EXPECT_EQ(FindFileNoCase(d + "/missing", "family_i.dbf"), "");
  EXPECT_EQ(FindFileNoCase(d, ""), "");
}

}  // namespace
