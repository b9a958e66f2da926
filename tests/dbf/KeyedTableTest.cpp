// Keyed tables: positions of live rows, identifier lookups (also over tables out of order and
// identifiers shared by many rows), positions out of range, cancelling, and file names.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/FilePaths.h"
#include "base/UIHooks.h"
#include "formats/dbf/DBF5File.h"
#include "formats/dbf/DBFFile.h"
#include "formats/dbf/DBFIdPairs.h"
#include "formats/dbf/DBFKeyedTable.h"
#include "support/DBFWriter.h"
#include "support/TempDir.h"

namespace {

using KeyedDBF = WDBFKeyedTable<WDBFFile>;
using KeyedDBF5 = WDBFKeyedTable<WDBF5File>;

// Rows of (ID, NAME); ids given as texts so that blanks and odd values can be written.
DBFWriter Table(const std::vector<std::pair<std::string, std::string>>& rows,
                const std::vector<int>& deleted = {}) {
  DBFWriter w;
  w.Field("ID", 'N', 8).Field("NAME", 'C', 10);
  for (size_t i = 0; i < rows.size(); ++i)
    w.Row({rows[i].first, rows[i].second},
          std::find(deleted.begin(), deleted.end(), static_cast<int>(i) + 1) != deleted.end());
  return w;
}

class KeyedTable : public testing::Test {
 protected:
  void SetUp() override { ImportCancelled = false; }
  void TearDown() override {
    SetYieldHook(nullptr);
    ImportCancelled = false;
  }
  std::unique_ptr<KeyedDBF> Open(const DBFWriter& w, const std::string& key = "ID") {
    w.Write(dir_ / "proj_I.dbf");
    auto t = std::make_unique<KeyedDBF>(dir_ / "proj_I.dbf");
    EXPECT_TRUE(t->BuildIndex(key));
    return t;
  }
  TempDir dir_;
};

TEST_F(KeyedTable, EmptyTableAnswersNothing) {
  auto t = Open(Table({}));
  EXPECT_EQ(t->LiveCount(), 0);
  EXPECT_EQ(t->IdToPos(1), 0);
  EXPECT_EQ(t->PosToId(1), 0);
  EXPECT_EQ(t->FirstEntry(1), 0);
  EXPECT_EQ(t->PhysicalRecord(1), 0);
  EXPECT_EQ(t->PosText(1, "NAME"), "");
}

TEST_F(KeyedTable, DeletedRowsHaveNoPosition) {
  auto t = Open(Table({{"1", "a"}, {"2", "b"}, {"3", "c"}, {"4", "d"}, {"5", "e"}}, {2, 4}));
  ASSERT_EQ(t->LiveCount(), 3);
  EXPECT_EQ(t->PhysicalRecord(1), 1);
  EXPECT_EQ(t->PhysicalRecord(2), 3);
  EXPECT_EQ(t->PhysicalRecord(3), 5);
  EXPECT_EQ(t->PosText(2, "NAME"), "c         ");
  EXPECT_EQ(t->PosInt(3, "ID"), 5);
  EXPECT_EQ(t->PosChar(3, "NAME"), 'e');
  // Identifiers of deleted rows find nothing; the others find their rows.
  EXPECT_EQ(t->IdToPos(2), 0);
  EXPECT_EQ(t->IdToPos(3), 2);
  EXPECT_EQ(t->IdToPos(5), 3);
  EXPECT_EQ(t->PosToId(2), 3);
  EXPECT_EQ(t->IdToPos(0), 0);
  EXPECT_EQ(t->IdToPos(-3), 0);
  EXPECT_EQ(t->IdToPos(6), 0);
}

TEST_F(KeyedTable, PositionsOutOfRangeReadAsEmpty) {
  auto t = Open(Table({{"1", "a"}, {"2", "b"}, {"3", "c"}}, {1}));
  for (int pos : {0, -1, 3, 4, 1000}) {
    SCOPED_TRACE(pos);
    EXPECT_EQ(t->PhysicalRecord(pos), 0);
    EXPECT_EQ(t->PosText(pos, "NAME"), "");
    EXPECT_EQ(t->PosInt(pos, "ID"), 0);
    EXPECT_EQ(t->PosChar(pos, "NAME"), '\0');
    EXPECT_EQ(t->PosToId(pos), 0);
  }
}

TEST_F(KeyedTable, SharedIdentifiersAreWalkedFromTheFirstEntry) {
  auto t = Open(Table({{"1", "a"}, {"2", "b"}, {"2", "c"}, {"3", "d"}}));
  const int pos = t->IdToPos(2);
  EXPECT_TRUE(pos == 2 || pos == 3);
  std::vector<std::string> names;
  for (int k = t->FirstEntry(2); k > 0 && t->EntryId(k) == 2; ++k)
    names.push_back(t->PosText(t->EntryPos(k), "NAME"));
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0].substr(0, 1), "b");
  EXPECT_EQ(names[1].substr(0, 1), "c");
  EXPECT_EQ(t->EntryPos(0), 0);
  EXPECT_EQ(t->EntryId(5), 0);
}

TEST_F(KeyedTable, TablesOutOfIdentifierOrderStillFindEveryRow) {
  // Rows appended after edits: identifiers out of order, one shared, blanks and junk.
  auto t = Open(Table({{"5", "e"}, {"2", "b"}, {"9", "i"}, {"2", "b2"}, {"1", "a"}, {"x", "junk"}}));
  EXPECT_FALSE(t->Rows().InKeyOrder());
  EXPECT_EQ(t->IdToPos(5), 1);
  EXPECT_EQ(t->IdToPos(9), 3);
  EXPECT_EQ(t->IdToPos(1), 5);
  EXPECT_EQ(t->PosToId(3), 9);
  std::vector<int> positions;
  for (int k = t->FirstEntry(2); k > 0 && t->EntryId(k) == 2; ++k) positions.push_back(t->EntryPos(k));
  std::sort(positions.begin(), positions.end());
  EXPECT_EQ(positions, (std::vector<int>{2, 4}));
  EXPECT_EQ(t->IdToPos(3), 0);
}

TEST_F(KeyedTable, ManyRowsSharingOneIdentifierStartAtTheFirst) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (int i = 0; i < 20000; ++i) rows.push_back({"7", "n"});
  rows.push_back({"8", "last"});
  auto t = Open(Table(rows));
  EXPECT_EQ(t->FirstEntry(7), 1);
  EXPECT_EQ(t->EntryPos(t->FirstEntry(8)), 20001);
  // The same with the rows out of order, through the identifier pairs.
  rows.insert(rows.begin(), {"9", "first"});
  auto shuffled = Open(Table(rows));
  const int k = shuffled->FirstEntry(7);
  ASSERT_GT(k, 0);
  EXPECT_NE(shuffled->EntryId(k - 1), 7);
  int run = 0;
  for (int i = k; shuffled->EntryId(i) == 7; ++i) ++run;
  EXPECT_EQ(run, 20000);
}

TEST_F(KeyedTable, WithoutKeyOnlyTheLiveListIsBuilt) {
  auto t = Open(Table({{"1", "a"}, {"2", "b"}}, {1}), "");
  EXPECT_EQ(t->LiveCount(), 1);
  EXPECT_FALSE(t->HasKey());
  EXPECT_EQ(t->IdToPos(2), 0);
  EXPECT_EQ(t->PosToId(1), 0);
  auto missing = Open(Table({{"1", "a"}}), "NoSuchField");
  EXPECT_EQ(missing->LiveCount(), 1);
  EXPECT_EQ(missing->IdToPos(1), 0);
}

TEST_F(KeyedTable, CancellingStopsTheScan) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (int i = 1; i <= 30000; ++i) rows.push_back({std::to_string(i), "n"});
  Table(rows).Write(dir_ / "proj_I.dbf");
  KeyedDBF t(dir_ / "proj_I.dbf");
  int yields = 0;
  SetYieldHook([&] {
    if (++yields == 2) ImportCancelled = true;  // during the scan, at row 5000
  });
  EXPECT_FALSE(t.BuildIndex("ID"));
  EXPECT_EQ(yields, 2);
  EXPECT_LT(t.LiveCount(), 5000);
  EXPECT_EQ(t.IdToPos(1), 0);
}

TEST_F(KeyedTable, TablesAreFoundIgnoringLetterCase) {
  Table({{"1", "a"}}).Write(dir_ / "PROJ_I.DBF");
  KeyedDBF t(SiblingFilePath(dir_.path(), "proj_I.dbf"));
  EXPECT_EQ(t.Path(), dir_ / "PROJ_I.DBF");
  EXPECT_EQ(SiblingFilePath(dir_.path(), "proj_X.fpt"), dir_ / "proj_X.fpt");
  try {
    KeyedDBF missing(SiblingFilePath(dir_.path(), "proj_Z.dbf"));
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_NE(std::string(e.what()).find(dir_ / "proj_Z.dbf"), std::string::npos);
  }
}

TEST_F(KeyedTable, Version5TablesKeyOnRawIntegers) {
  DBFWriter w(0x30);
  w.Field("tt_ID", 'I', 4).Field("NAME", 'C', 6);
  w.Row({"10", "ten"}).Row({"20", "twenty"}, true).Row({"30", "thirty"});
  w.Write(dir_ / "p_n.dbf");
  KeyedDBF5 t(dir_ / "p_n.dbf");
  ASSERT_TRUE(t.BuildIndex("tt_ID"));
  EXPECT_EQ(t.LiveCount(), 2);
  EXPECT_EQ(t.IdToPos(30), 2);
  EXPECT_EQ(t.PosToId(1), 10);
  EXPECT_EQ(t.PosText(2, "tt_ID"), "30");
  // A position out of range is not taken as a physical record number (record 3 is "thirty").
  EXPECT_EQ(t.PosText(3, "NAME"), "");
  EXPECT_EQ(t.PosInt(3, "tt_ID"), 0);
  // Field names are exact in these tables: a key named in other letters is no key.
  KeyedDBF5 other(dir_ / "p_n.dbf");
  ASSERT_TRUE(other.BuildIndex("TT_ID"));
  EXPECT_FALSE(other.HasKey());
  EXPECT_EQ(other.LiveCount(), 2);
}

TEST(DBFIdPairs, PairsSortedByIdentifier) {
  WDBFIdPairs index;
  for (int32_t id : {30, 10, 20, 10, 40}) index.AddPair(id, id / 10);
  ASSERT_TRUE(index.SortById());
  EXPECT_EQ(index.Count(), 5);
  EXPECT_EQ(index.FindFirstEntry(10), 1);
  EXPECT_EQ(index.EntryId(2), 10);
  EXPECT_EQ(index.FindFirstEntry(20), 3);
  EXPECT_EQ(index.Lookup(40), 4);
  EXPECT_EQ(index.Lookup(25), 0);
  EXPECT_EQ(index.FindAnyEntry(5), 0);
  EXPECT_EQ(index.FindFirstEntry(50), 0);
  EXPECT_EQ(index.EntryPos(6), 0);
}

}  // namespace
