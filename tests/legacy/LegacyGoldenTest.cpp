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
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& s) { return "'" + s + "'"; }

std::string RunCli(const std::string& args) {
  int status = -1;
  std::string out = RunCommand("LC_ALL=C " + Quote(CliPath()) + " " + args + " 2>/dev/null", &status);
  EXPECT_EQ(status, 0) << args;
  return out;
}

// The rows of `info` that change from run to run: the path, the file's date, the import time.
std::string MaskInfo(const std::string& text) {
  std::istringstream in(text);
  std::string line, out;
  while (std::getline(in, line)) {
    if (line.rfind("Name\t/", 0) == 0) line = "Name\t<path>";
    if (line.rfind("Date\t", 0) == 0) line = "Date\t<file date>";
    if (line.rfind("Importing\t", 0) == 0) line = "Importing\t<seconds>";
    out += line + "\n";
  }
  return out;
}

// Ages counted to today change with the calendar.
std::string MaskOpenAges(const std::string& text) {
  std::istringstream in(text);
  std::string line, out;
  while (std::getline(in, line)) {
    if (line.rfind("Age", 0) == 0 && line.find('?') != std::string::npos)
      line = line.substr(0, line.find(':') + 1) + "<to today>";
    out += line + "\n";
  }
  return out;
}

void ExpectGolden(const std::string& expected_name, const std::string& actual) {
  fs::path expected = fs::path(SourceDir()) / "tests" / "golden" / expected_name;
  const char* update = std::getenv("UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::ofstream(expected, std::ios::binary) << actual;
    return;
  }
  ASSERT_TRUE(fs::exists(expected)) << expected << " is missing; run with UPDATE_GOLDEN=1";
  EXPECT_EQ(actual, ReadFile(expected.string())) << "differs from " << expected;
}

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
  static std::string Path(const char* name) { return Quote(*dir_ / name); }

  static TempDir* dir_;
};

TempDir* LegacyGolden::dir_ = nullptr;

TEST_F(LegacyGolden, FamilyDump) {
  ExpectGolden("leg_family_dump.txt", RunCli("dump " + Path("family.fdb")));
}

TEST_F(LegacyGolden, FamilyList) {
  ExpectGolden("leg_family_list.txt", RunCli("list " + Path("family.fdb")));
}

TEST_F(LegacyGolden, FamilyInfo) {
  ExpectGolden("leg_family_info.txt", MaskInfo(RunCli("info " + Path("family.fdb"))));
}

TEST_F(LegacyGolden, FamilySummary) {
  std::string out;
  for (const char* ref : {"1", "3", "5", "6", "8", "26", "30", "40"})
    out +=
        "== " + std::string(ref) + "\n" + MaskOpenAges(RunCli("summary " + Path("family.fdb") + " " + ref));
  ExpectGolden("leg_family_summary.txt", out);
}

TEST_F(LegacyGolden, EmptyDatabase) {
  ExpectGolden("leg_empty_dump.txt", RunCli("dump " + Path("empty.fdb")));
  ExpectGolden("leg_empty_list.txt", RunCli("list " + Path("empty.fdb")));
  ExpectGolden("leg_empty_info.txt", MaskInfo(RunCli("info " + Path("empty.fdb"))));
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
  EXPECT_EQ(KindFromExtension(".fdb"), FileKind::Legacy);
}

}  // namespace
