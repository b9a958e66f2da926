// The CLI's dump, list, info and summary output for the Legacy fixtures equals the expected text
// under tests/golden/ (UPDATE_GOLDEN=1 rewrites it; review the diff before committing).  The
// fixtures are written by the tests' Jet writer into a fresh folder; files the reader refuses
// are refused with the program's own messages.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "LegacyFixture.h"
#include "app/ReaderChoice.h"
#include "formats/legacy/LEGCollection.h"
#include "support/Golden.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

class LegacyGolden : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    JetWriter family;
    BuildFamilyFixture(family);
    ASSERT_TRUE(family.Write(*dir_ / "family.fdb"));
    JetWriter empty;
    AddLegacySkeleton(empty, "3i");
    ASSERT_TRUE(empty.Write(*dir_ / "empty.fdb"));
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  static std::string Path(const char* name) { return ShellQuote(*dir_ / name); }

  static TempDir* dir_;
};

TempDir* LegacyGolden::dir_ = nullptr;

TEST_F(LegacyGolden, FamilyDump) {
  ExpectGolden(RunCli("dump " + Path("family.fdb")), "leg_family_dump.jsonl");
}

TEST_F(LegacyGolden, FamilyList) {
  ExpectGolden(RunCli("list " + Path("family.fdb")), "leg_family_list.txt");
}

TEST_F(LegacyGolden, FamilyInfo) {
  ExpectGolden(MaskInfo(RunCli("info " + Path("family.fdb"))), "leg_family_info.txt");
}

TEST_F(LegacyGolden, FamilySummary) {
  std::string out;
  for (const char* ref : {"1", "3", "5", "6", "8", "26", "30", "40"})
    out +=
        "== " + std::string(ref) + "\n" + MaskOpenAges(RunCli("summary " + Path("family.fdb") + " " + ref));
  ExpectGolden(out, "leg_family_summary.txt");
}

TEST_F(LegacyGolden, FamilyCharts) {
  ExpectGolden(ChartsOutput(Path("family.fdb"), {"1", "3", "5", "6", "8", "26", "30", "40"}), "leg_family_charts.txt");
}

TEST_F(LegacyGolden, EmptyDatabase) {
  ExpectGolden(RunCli("dump " + Path("empty.fdb")), "leg_empty_dump.jsonl");
  ExpectGolden(RunCli("list " + Path("empty.fdb")), "leg_empty_list.txt");
  ExpectGolden(MaskInfo(RunCli("info " + Path("empty.fdb"))), "leg_empty_info.txt");
}

TEST_F(LegacyGolden, OldVersionIsRefusedWithTheVersionMessage) {
  JetWriter old;
  AddLegacySkeleton(old, "3h");
  ASSERT_TRUE(old.Write(*dir_ / "old.fdb"));
  std::string error;
  EXPECT_EQ(CreateCollectionForFile(*dir_ / "old.fdb", error), nullptr);
  EXPECT_EQ(
      error,
      "Error: The version of this Legacy file is too old.\rPlease download the latest version of Legacy "
      "Family Tree and\ropen this Legacy file to update it.");
}

// Some files carry the signature in capitals; the engine reads them like any other.
TEST_F(LegacyGolden, JetSignatureInAnotherCaseOpens) {
  JetWriter writer;
  AddLegacySkeleton(writer, "3s");
  std::string bytes = writer.Bytes();
  ASSERT_EQ(bytes.substr(4, 15), "Standard Jet DB");
  bytes.replace(4, 15, "STANDARD JET DB");
  WriteFile(*dir_ / "capitals.fdb", bytes);
  std::string error;
  auto collection = CreateCollectionForFile(*dir_ / "capitals.fdb", error);
  EXPECT_NE(collection, nullptr) << error;
  EXPECT_EQ(error, "");
  // Still a signature: another text in its place is refused by the engine.
  bytes.replace(4, 15, "STANDARD JOT DB");
  WriteFile(*dir_ / "jot.fdb", bytes);
  EXPECT_EQ(CreateCollectionForFile(*dir_ / "jot.fdb", error), nullptr);
}

TEST_F(LegacyGolden, FileWithoutTheJetSignatureIsRefused) {
  JetWriter writer;
  AddLegacySkeleton(writer, "3s");
  std::string bytes = writer.Bytes();
  bytes.replace(13, 4, "Jat ");
  WriteFile(*dir_ / "nojet.fdb", bytes);
  std::string error;
  EXPECT_EQ(CreateCollectionForFile(*dir_ / "nojet.fdb", error), nullptr);
  EXPECT_EQ(error, "Not a valid Legacy Family Tree Database");
  // Compared without regard to case; a file of 17 bytes has only 4 after offset 13.
  std::string short_error;
  WriteFile(*dir_ / "short.fdb", "0123456789abcdefJ");
  EXPECT_FALSE(WLEGCollection::IsLegacyDatabase(*dir_ / "short.fdb", short_error));
  EXPECT_EQ(short_error, "Not a valid Legacy Family Tree Database");
  WriteFile(*dir_ / "sixteen.fdb", "0123456789abcJet");
  EXPECT_EQ(CreateCollectionForFile(*dir_ / "sixteen.fdb", error), nullptr);
  EXPECT_EQ(error, "Not a valid Legacy Family Tree Database");
  // The signature alone is not a database: the engine's refusal carries the path.
  WriteFile(*dir_ / "sig.fdb", "0123456789abcjET DB and nothing more");
  EXPECT_EQ(CreateCollectionForFile(*dir_ / "sig.fdb", error), nullptr);
  EXPECT_EQ(error,
            "Cannot open the Legacy database " + (*dir_ / "sig.fdb") + ": the file is not a Jet database");
  std::string missing;
  EXPECT_EQ(CreateCollectionForFile(*dir_ / "missing.fdb", missing), nullptr);
  EXPECT_EQ(missing, "Not a valid Legacy Family Tree Database");
  EXPECT_EQ(KindFromExtension(".fdb"), &WLEGCollection::ReaderInfo());
}

}  // namespace
