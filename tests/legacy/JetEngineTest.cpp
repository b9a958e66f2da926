// The Jet files of the tests' writer as mdbtools reads them, and the database operations of the
// libmdb engine (TMDBDatabase) on those files and on real Jet 4 files of the corpus.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/Errors.h"
#include "formats/legacy/DAOValues.h"
#include "formats/legacy/MDBDatabase.h"
#include "formats/legacy/MemDatabase.h"
#include "support/JetWriter.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

namespace fs = std::filesystem;

std::string Tool(const std::string& command) {
  int status = -1;
  std::string out = RunCommand(command + " 2>/dev/null", &status);
  EXPECT_EQ(status, 0) << command;
  return out;
}

// A table of every column type, with a deleted row, short and long memos and texts beyond
// Latin-1.
JetWriter SampleWriter() {
  JetWriter w;
  auto& t = w.AddTable("People", {{"ID", JetWriter::kLong},
                                  {"Name", JetWriter::kText, 40},
                                  {"Age", JetWriter::kByte},
                                  {"Year", JetWriter::kInteger},
                                  {"Alive", JetWriter::kBoolean},
                                  {"Born", JetWriter::kDateTime},
                                  {"Weight", JetWriter::kDouble},
                                  {"Story", JetWriter::kMemo}});
  t.Row({{"ID", int64_t{3}},
         {"Name", std::string("Zoë Ångström")},
         {"Age", int64_t{200}},
         {"Year", int64_t{-1850}},
         {"Alive", int64_t{1}},
         {"Born", JetWriter::JetDay(1850, 3, 4)},
         {"Weight", 61.5},
         {"Story", std::string("Short.")}});
  t.DeletedRow({{"ID", int64_t{2}}, {"Name", std::string("Deleted")}});
  t.Row({{"ID", int64_t{1}}, {"Name", std::string("€uro “quoted”")}, {"Story", std::string(3000, 'a')}});
  t.Row({{"ID", int64_t{7}}, {"Name", std::string("z")}, {"Story", std::string(9000, 'b') + "END"}});
  w.AddTable("Settings", {{"Item", JetWriter::kText, 50}, {"Setting", JetWriter::kText, 255}})
      .Row({{"Item", std::string("Version")}, {"Setting", std::string("3s")}})
      .Row({{"Item", std::string("filedesc")}, {"Setting", std::string("A file")}});
  return w;
}

class JetFiles : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SampleWriter().Write(path_)); }
  TempDir dir_;
  std::string path_ = dir_ / "sample.mdb";
};

TEST_F(JetFiles, MdbtoolsReadTheWriterOutput) {
  EXPECT_EQ(Tool("mdb-ver '" + path_ + "'"), "JET4\n");
  EXPECT_EQ(Tool("mdb-tables -1 '" + path_ + "'"), "People\nSettings\n");
  const std::string schema = Tool("mdb-schema '" + path_ + "'");
  for (const char* part :
       {"[ID]\t\t\tLong Integer", "[Name]\t\t\tText (40)", "[Age]\t\t\tByte", "[Year]\t\t\tInteger",
        "[Alive]\t\t\tBoolean", "[Born]\t\t\tDateTime", "[Weight]\t\t\tDouble", "[Story]\t\t\tMemo"})
    EXPECT_NE(schema.find(part), std::string::npos) << part << "\n" << schema;
  const std::string rows = Tool("mdb-export -d '|' -q '' '" + path_ + "' People");
  EXPECT_NE(rows.find("3|Zoë Ångström|200|-1850|1|"), std::string::npos) << rows.substr(0, 300);
  EXPECT_EQ(rows.find("Deleted"), std::string::npos);
  EXPECT_NE(rows.find("1|€uro “quoted”|||0|||"), std::string::npos);
  EXPECT_NE(rows.find(std::string(3000, 'a')), std::string::npos);
  EXPECT_NE(rows.find(std::string(9000, 'b') + "END"), std::string::npos);
  EXPECT_EQ(Tool("mdb-export -H -d '|' '" + path_ + "' Settings"),
            "\"Version\"|\"3s\"\n\"filedesc\"|\"A file\"\n");
}

TEST_F(JetFiles, EngineWalksSeeksAndDecodesValues) {
  TMDBDatabase db(path_);
  EXPECT_EQ(db.OpenTable("nosuch"), nullptr);
  auto t = db.OpenTable("PEOPLE");  // names match without regard to case
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->RecordCount(), 3);
  EXPECT_TRUE(t->End());
  // Table order skips the deleted row.
  std::string ids;
  for (t->First(); !t->End(); t->Next()) ids += std::to_string(t->FieldInt("id")) + " ";
  EXPECT_EQ(ids, "3 1 7 ");
  EXPECT_FALSE(t->SeekEqual(3));  // no index yet
  ASSERT_TRUE(t->SetIndex("ID"));
  ids.clear();
  for (t->First(); !t->End(); t->Next()) ids += std::to_string(t->FieldInt("ID")) + " ";
  EXPECT_EQ(ids, "1 3 7 ");
  ASSERT_TRUE(t->SeekEqual(3));
  EXPECT_EQ(t->FieldText("Name"), "Zo\xEB \xC5ngstr\xF6m");
  EXPECT_EQ(t->FieldInt("Age"), 200);
  EXPECT_EQ(t->FieldInt("Year"), -1850);
  EXPECT_EQ(t->FieldInt("Alive"), -1);
  EXPECT_EQ(t->FieldText("Alive"), "True");
  EXPECT_EQ(t->FieldInt("Born"), 18500304);  // before 1900, from the stored number of days
  EXPECT_EQ(t->FieldText("Born"), "1850-03-04");
  EXPECT_EQ(t->FieldInt("Weight"), 61);
  EXPECT_EQ(t->FieldText("Story"), "Short.");
  EXPECT_EQ(t->FieldInt("Name"), 0);  // a text that is no number
  EXPECT_EQ(t->FieldText("missing"), "");
  EXPECT_FALSE(t->FieldExists("missing"));
  EXPECT_TRUE(t->FieldExists("story"));
  ASSERT_TRUE(t->SeekEqual(1));
  EXPECT_EQ(t->FieldText("Name"), "\x80uro \x93quoted\x94");
  EXPECT_EQ(t->FieldText("Story"), std::string(3000, 'a'));
  EXPECT_EQ(t->FieldInt("Alive"), 0);
  EXPECT_EQ(t->FieldText("Age"), "");  // empty
  ASSERT_TRUE(t->SeekEqual(7));
  EXPECT_EQ(t->FieldText("Story"), std::string(9000, 'b') + "END");
  EXPECT_FALSE(t->SeekEqual(2));  // the deleted row
  EXPECT_TRUE(t->End());
  EXPECT_EQ(t->FieldText("Name"), "");
  // A text index, sought without regard to case; a number sought in it as its text.
  auto s = db.OpenTable("settings");
  ASSERT_TRUE(s->SetIndex("item"));
  ASSERT_TRUE(s->SeekEqual(std::string("VERSION")));
  EXPECT_EQ(s->FieldText("Setting"), "3s");
  EXPECT_FALSE(s->SeekEqual(std::string("Versio")));
  EXPECT_FALSE(s->SetIndex("NoSuchIndex"));
}

// Seeks on two table objects of one file, and a walk between them, never disturb each other.
TEST_F(JetFiles, TableObjectsKeepTheirOwnRows) {
  TMDBDatabase db(path_);
  auto a = db.OpenTable("People");
  auto b = db.OpenTable("Settings");
  a->SetIndex("ID");
  b->SetIndex("Item");
  ASSERT_TRUE(a->SeekEqual(7));
  ASSERT_TRUE(b->SeekEqual(std::string("filedesc")));
  auto walk = db.OpenTable("People");
  walk->First();
  EXPECT_EQ(walk->FieldInt("ID"), 3);
  EXPECT_EQ(a->FieldText("Name"), "z");
  EXPECT_EQ(b->FieldText("Setting"), "A file");
  walk->Next();
  EXPECT_EQ(walk->FieldInt("ID"), 1);
}

TEST(JetEngine, RefusalsCarryThePathAndAReason) {
  TempDir dir;
  auto message = [&](const std::string& name, const std::string& bytes) {
    WriteFile(dir / name, bytes);
    try {
      TMDBDatabase db(dir / name);
    } catch (const ETaravellError& e) {
      return std::string(e.what());
    }
    return std::string("opened");
  };
  const std::string prefix = "Cannot open the Legacy database " + dir.path() + "/";
  EXPECT_EQ(message("a.fdb", "tiny"), prefix + "a.fdb: the file is not a Jet database");
  std::string bytes = SampleWriter().Bytes();
  EXPECT_EQ(message("b.fdb", bytes.substr(0, 2 * 4096)), prefix + "b.fdb: the file is too short");
  std::string version = bytes;
  version[0x14] = 3;
  EXPECT_EQ(message("c.fdb", version), prefix + "c.fdb: the Jet database version is not supported");
  std::string catalog = bytes;
  catalog[2 * 4096] = 0x01;  // page 2 is no table definition
  EXPECT_EQ(message("d.fdb", catalog), prefix + "d.fdb: the catalog of tables cannot be read");
  EXPECT_EQ(message("e.fdb", bytes), "opened");
  try {
    TMDBDatabase db(dir / "missing.fdb");
    ADD_FAILURE();
  } catch (const ETaravellError& e) {
    EXPECT_EQ(std::string(e.what()), prefix + "missing.fdb: the file cannot be read");
  }
}

// Real Jet 4 files written by Access: every table opens, walks as far as mdb-export reads it,
// and gives the same number of rows.
TEST(JetEngine, CorpusFilesWalkLikeMdbExport) {
  const fs::path folder = fs::path(CorpusDir()) / "jet";
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no corpus folder " << folder;
  int tables = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string path = entry.path().string();
    SCOPED_TRACE(path);
    TMDBDatabase db(path);
    std::string names = Tool("mdb-tables -1 '" + path + "'");
    for (size_t at = 0, end; (end = names.find('\n', at)) != std::string::npos; at = end + 1) {
      const std::string name = names.substr(at, end - at);
      auto table = db.OpenTable(name);
      ASSERT_NE(table, nullptr) << name;
      int rows = 0;
      for (table->First(); !table->End(); table->Next()) {
        for (int f = 0; f < table->FieldCount(); ++f) table->FieldText(f);
        ++rows;
      }
      const std::string exported = Tool("mdb-export -H -Q -R '@ROW@' '" + path + "' '" + name + "'");
      int expected = 0;
      for (size_t at = exported.find("@ROW@"); at != std::string::npos; at = exported.find("@ROW@", at + 1))
        ++expected;
      EXPECT_EQ(rows, expected) << name;
      ++tables;
    }
  }
  EXPECT_GT(tables, 5);
}

TEST(JetEngine, CorpusUnicodeTextsBecomeWindows1252) {
  const std::string path = (fs::path(CorpusDir()) / "jet" / "testUnicodeCompV2003.mdb").string();
  if (!fs::exists(path)) GTEST_SKIP() << "no corpus file " << path;
  TMDBDatabase db(path);
  auto table = db.OpenTable("Table");
  ASSERT_NE(table, nullptr);
  // Compressed and plain UCS-2 texts read as mdb-export reads them, converted to Windows-1252
  // (characters it lacks become "?").
  ASSERT_TRUE(table->SetIndex("ID"));
  const char* expected[] = {"only ascii chars", "\xE4\xE4kk\xF6si\xE4", "???"};
  for (int id = 1; id <= 3; ++id) {
    ASSERT_TRUE(table->SeekEqual(id));
    EXPECT_EQ(table->FieldText("Unicode"), expected[id - 1]) << id;
  }
}

TEST(JetValues, StrictIntegersAndJetTexts) {
  EXPECT_EQ(DAOStrictInt("42"), 42);
  EXPECT_EQ(DAOStrictInt(" -7 "), -7);
  EXPECT_EQ(DAOStrictInt(""), 0);
  EXPECT_EQ(DAOStrictInt("12a"), 0);
  EXPECT_EQ(DAOStrictInt("1.5"), 0);
  EXPECT_EQ(DAOStrictInt("99999999999"), 0);
  EXPECT_EQ(DAOStrictInt("-2147483648"), INT32_MIN);
  const unsigned char plain[] = {'A', 0, 0xE9, 0, 0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE};
  EXPECT_EQ(JetTextToUtf8(plain, sizeof plain), "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  // Compressed: one byte per character until a zero switches to two bytes.
  const unsigned char compressed[] = {0xFF, 0xFE, 'a', 'b', 0, 0xAC, 0x20, 0, 'c'};
  EXPECT_EQ(JetTextToUtf8(compressed, sizeof compressed),
            "ab\xE2\x82\xAC"
            "c");
  const unsigned char odd[] = {0xFF, 0xFE, 0, 'x'};  // a half character at the end is dropped
  EXPECT_EQ(JetTextToUtf8(odd, sizeof odd), "");
  const unsigned char lone[] = {0x00, 0xD8, 'b', 0};  // an unpaired surrogate
  EXPECT_EQ(JetTextToUtf8(lone, sizeof lone), "?b");
  int y, m, d, hh, mm, ss;
  ASSERT_TRUE(JetDateParts(-1.25, y, m, d, hh, mm, ss));
  EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
  EXPECT_EQ(hh, 6);
  // Before 1899 the time of day is stored subtracted from the (negative) day.
  ASSERT_TRUE(JetDateParts(JetWriter::JetDay(1066, 10, 14) - 0.5, y, m, d, hh, mm, ss));
  EXPECT_EQ(y * 10000 + m * 100 + d, 10661014);
  EXPECT_EQ(hh, 12);
  EXPECT_FALSE(JetDateParts(1e300, y, m, d, hh, mm, ss));
}

}  // namespace
