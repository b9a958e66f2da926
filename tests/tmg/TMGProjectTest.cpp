// The project file: its version line and the table prefix.

#include <gtest/gtest.h>

#include "formats/tmg/TMGProject.h"
#include "support/TempDir.h"

namespace {

std::string VersionOf(const std::string& content) {
  TempDir dir;
  WriteFile(dir / "family_.tmg", content);
  return WTMGProject::ProjectVersion(dir / "family_.tmg");
}

TEST(TMGProject, VersionIsTheThirdWordOfAnExactFirstLine) {
  EXPECT_EQ(VersionOf("TMG Version 4.0d\r\nmore\r\n"), "4.0d");
  EXPECT_EQ(VersionOf("TMG Version 4.0\n"), "4.0");
  EXPECT_EQ(VersionOf("TMG Version 4.0a"), "4.0a");
  EXPECT_EQ(VersionOf("TMG  Version 4.0d\r\n"), "");
  EXPECT_EQ(VersionOf("TMG Version  4.0d\r\n"), "");
  EXPECT_EQ(VersionOf("tmg version 4.0d\r\n"), "");
  EXPECT_EQ(VersionOf("TMG Version 4.0d extra\r\n"), "");
  EXPECT_EQ(VersionOf("TMG Version \r\n"), "");
  EXPECT_EQ(VersionOf(""), "");
  EXPECT_FALSE(WTMGProject::IsSupportedVersion(VersionOf(std::string("TMG Version 4.0d\0x", 18))));
  bool readable = true;
  EXPECT_EQ(WTMGProject::ProjectVersion("/nonexistent/x.tmg", &readable), "");
  EXPECT_FALSE(readable);
}

TEST(TMGProject, OnlyTheKnownFourVersionsAreTaken) {
  for (const char* v : {"4.0", "4.0a", "4.0c", "4.0d"}) EXPECT_TRUE(WTMGProject::IsSupportedVersion(v)) << v;
  for (const char* v : {"4.0b", "4.0e", "5", "4.0D", ""})
    EXPECT_FALSE(WTMGProject::IsSupportedVersion(v)) << v;
}

TEST(TMGProject, PrefixIsTheBaseNameCutToSevenCharacters) {
  EXPECT_EQ(WTMGProject::TablePrefix("/a/b/FAMILY_.TMG"), "FAMILY_");
  EXPECT_EQ(WTMGProject::TablePrefix("/a/b/myfamilyproject.tmg"), "myfamil");
  EXPECT_EQ(WTMGProject::TablePrefix("/a/b/ab.tmg"), "ab");
}

}  // namespace
