// Tables read through WDBFFile and WDBF5File: header, descriptors, field values, deletion
// flags, and tables whose header says more (or other) than the file holds.

#include <gtest/gtest.h>

#include <string>

#include "base/Errors.h"
#include "formats/dbf/DBF5File.h"
#include "formats/dbf/DBFFile.h"
#include "support/DBFWriter.h"
#include "support/TempDir.h"

namespace {

// Writes the table and opens it.
template <class Table = WDBFFile>
std::unique_ptr<Table> Open(const TempDir& dir, const DBFWriter& writer, const std::string& name = "t.dbf") {
  writer.Write(dir / name);
  return std::make_unique<Table>(dir / name);
}

DBFWriter People() {
  DBFWriter w;
  w.Field("PersonID", 'N', 6).Field("Given", 'C', 12).Field("Living", 'L', 1).Field("Code", 'C', 4);
  w.Row({"1", "Ann", "Y", "17"});
  w.Row({"2", "Bert", "N", "x1F"}, true);
  w.Row({"3", "Cora", "Y", "$ff"});
  w.Row({"4", "Dan", "N", "0x10"}, true);
  w.Row({"5", "Eve", "?", "-12"});
  return w;
}

TEST(DBFFile, ReadsHeaderDescriptorsAndValuesAsStored) {
  TempDir dir;
  auto t = Open(dir, People());
  EXPECT_EQ(t->RecordCount(), 5);
  EXPECT_EQ(t->FieldCount(), 4);
  EXPECT_EQ(t->RecordLength(), 1 + 6 + 12 + 1 + 4);
  EXPECT_EQ(t->HeaderLength(), 32 + 4 * 32 + 1);
  EXPECT_EQ(t->FieldAt(2)->name, "Given");
  EXPECT_EQ(t->FieldAt(2)->type, 'C');
  EXPECT_EQ(t->FieldAt(2)->offset, 6);
  EXPECT_EQ(t->FieldAt(3)->displacement, 19u);
  EXPECT_EQ(t->FieldAt(0), nullptr);
  EXPECT_EQ(t->FieldAt(5), nullptr);

  // Character fields keep their trailing blanks, numeric fields their leading ones.
  EXPECT_EQ(t->FieldText(1, "Given"), "Ann         ");
  EXPECT_EQ(t->FieldText(1, "PersonID"), "     1");
  EXPECT_EQ(t->FieldInt(3, "PersonID"), 3);
  EXPECT_EQ(t->FieldChar(3, "Living"), 'Y');
  // Letter case of field names does not matter.
  EXPECT_EQ(t->FieldIndex("personid"), 1);
  EXPECT_EQ(t->FieldIndex("GIVEN"), 2);
  EXPECT_EQ(t->FieldIndex("Given "), 0);
  EXPECT_EQ(t->FieldIndex("Surname"), 0);
  // A field the table lacks reads as empty, 0 and NUL.
  EXPECT_EQ(t->FieldText(1, "Surname"), "");
  EXPECT_EQ(t->FieldInt(1, "Surname"), 0);
  EXPECT_EQ(t->FieldChar(1, "Surname"), '\0');
  EXPECT_EQ(t->FileSize(), t->HeaderLength() + 5 * t->RecordLength() + 1);
}

TEST(DBFFile, DeletionFlagsAndRecordsOutsideTheTable) {
  TempDir dir;
  auto t = Open(dir, People());
  EXPECT_FALSE(t->IsDeleted(1));
  EXPECT_TRUE(t->IsDeleted(2));
  EXPECT_FALSE(t->IsDeleted(3));
  EXPECT_TRUE(t->IsDeleted(4));
  // Deleted rows are still readable by record number.
  EXPECT_EQ(t->FieldText(2, "Given"), "Bert        ");
  // Above the count, at 0 and below: deleted and empty (record 0 would be the header).
  for (int n : {6, 0, -1, -2147483647}) {
    SCOPED_TRACE(n);
    EXPECT_TRUE(t->IsDeleted(n));
    EXPECT_EQ(t->FieldText(n, 1), "");
    EXPECT_EQ(t->FieldInt(n, 1), 0);
    EXPECT_EQ(t->FieldChar(n, 2), '\0');
  }
}

TEST(DBFFile, FieldIntFollowsTheIntegerRule) {
  EXPECT_EQ(WDBFFile::ParseInt("   17"), 17);
  EXPECT_EQ(WDBFFile::ParseInt("17  "), 0);  // trailing blanks count as other characters
  EXPECT_EQ(WDBFFile::ParseInt(""), 0);
  EXPECT_EQ(WDBFFile::ParseInt("   "), 0);
  EXPECT_EQ(WDBFFile::ParseInt("-12"), -12);
  EXPECT_EQ(WDBFFile::ParseInt("+12"), 12);
  EXPECT_EQ(WDBFFile::ParseInt("12a"), 0);
  EXPECT_EQ(WDBFFile::ParseInt("$ff"), 255);
  EXPECT_EQ(WDBFFile::ParseInt("x1F"), 31);
  EXPECT_EQ(WDBFFile::ParseInt("X1f"), 31);
  EXPECT_EQ(WDBFFile::ParseInt("0x10"), 16);
  EXPECT_EQ(WDBFFile::ParseInt("  $FFFFFFFF"), -1);
  EXPECT_EQ(WDBFFile::ParseInt("$"), 0);
  EXPECT_EQ(WDBFFile::ParseInt("0x"), 0);
  EXPECT_EQ(WDBFFile::ParseInt("0"), 0);
  EXPECT_EQ(WDBFFile::ParseInt("2147483647"), 2147483647);
  EXPECT_EQ(WDBFFile::ParseInt("-2147483648"), -2147483647 - 1);
  // Beyond 32 bits: 0, not a wrapped value.
  EXPECT_EQ(WDBFFile::ParseInt("2147483648"), 0);
  EXPECT_EQ(WDBFFile::ParseInt("-2147483649"), 0);
  EXPECT_EQ(WDBFFile::ParseInt("99999999999999999999"), 0);
  EXPECT_EQ(WDBFFile::ParseInt("$100000000"), 0);

  TempDir dir;
  auto t = Open(dir, People());
  EXPECT_EQ(t->FieldInt(1, "Code"), 0);   // "17  "
  EXPECT_EQ(t->FieldInt(2, "Code"), 0);   // "x1F "
  EXPECT_EQ(t->FieldInt(4, "Code"), 16);  // "0x10" fills the field
  EXPECT_EQ(t->FieldInt(3, "Code"), 0);   // "$ff " ends in a blank
  EXPECT_EQ(t->FieldInt(5, "Code"), 0);
  EXPECT_EQ(t->FieldInt(1, 0), 0);
}

TEST(DBFFile, TextIsCutAtTheFirstNul) {
  TempDir dir;
  DBFWriter w;
  w.PadWithNul().Field("NAME", 'C', 8).Row({"Ann"}).Row({std::string("Ann\0Bob", 7)});
  auto t = Open(dir, w);
  EXPECT_EQ(t->FieldText(1, 1), "Ann");
  EXPECT_EQ(t->FieldChar(1, 1), 'A');
}

TEST(DBFFile, RecordCountIsWhatTheFileHolds) {
  TempDir dir;
  // A header count larger than the file (a truncated table, or one being appended to).
  DBFWriter more = People();
  more.StatedRecordCount(1000);
  auto t = Open(dir, more, "more.dbf");
  EXPECT_EQ(t->HeaderRecordCount(), 1000u);
  EXPECT_EQ(t->RecordCount(), 5);
  EXPECT_EQ(t->FieldText(6, 2), "");
  EXPECT_TRUE(t->IsDeleted(1000));
  // The largest count a header can state.
  more.StatedRecordCount(0xFFFFFFFFu);
  EXPECT_EQ(Open(dir, more, "huge.dbf")->RecordCount(), 5);

  // Rows the header does not count yet are not read.
  DBFWriter fewer = People();
  fewer.StatedRecordCount(3);
  EXPECT_EQ(Open(dir, fewer, "fewer.dbf")->RecordCount(), 3);

  // A file cut inside record 4 holds three whole records.
  const std::string bytes = People().TableBytes();
  auto whole = Open(dir, People(), "whole.dbf");
  const size_t cut = static_cast<size_t>(whole->HeaderLength() + 3 * whole->RecordLength() + 7);
  WriteFile(dir / "cut.dbf", bytes.substr(0, cut));
  WDBFFile cut_table(dir / "cut.dbf");
  EXPECT_EQ(cut_table.RecordCount(), 3);
  EXPECT_EQ(cut_table.FieldText(3, 2), "Cora        ");
  EXPECT_EQ(cut_table.FieldText(4, 2), "");
}

TEST(DBFFile, ImpossibleHeadersGiveEmptyTables) {
  TempDir dir;
  DBFWriter zero = People();
  zero.StatedRecordLength(0);
  EXPECT_EQ(Open(dir, zero, "zero.dbf")->RecordCount(), 0);
  DBFWriter negative = People();
  negative.StatedRecordLength(0x8000);  // read as signed: negative
  EXPECT_EQ(Open(dir, negative, "negative.dbf")->RecordCount(), 0);
  DBFWriter long_header = People();
  long_header.StatedHeaderLength(60000);
  auto t = Open(dir, long_header, "long.dbf");
  EXPECT_EQ(t->RecordCount(), 0);
  EXPECT_EQ(t->FieldText(1, 1), "");

  // An empty file and a file shorter than a header.
  WriteFile(dir / "empty.dbf", "");
  WDBFFile empty(dir / "empty.dbf");
  EXPECT_EQ(empty.RecordCount(), 0);
  EXPECT_EQ(empty.FieldCount(), 0);
  WriteFile(dir / "short.dbf", std::string("\x03\x7d\x01\x01\x05\x00\x00", 7));
  WDBFFile short_file(dir / "short.dbf");
  EXPECT_EQ(short_file.RecordCount(), 0);
  EXPECT_EQ(short_file.FieldCount(), 0);
}

TEST(DBFFile, DescriptorWalkStopsAtHeaderAndFileEnd) {
  TempDir dir;
  // Without the terminator the walk ends at the header's end: the records are not taken
  // for descriptors.
  DBFWriter w = People();
  w.OmitTerminator();
  auto t = Open(dir, w, "noterm.dbf");
  EXPECT_EQ(t->FieldCount(), 4);
  EXPECT_EQ(t->FieldText(3, "Given"), "Cora        ");

  // Without terminator and with a header length beyond the file: the walk ends at the file's
  // end and the table is empty.
  w.StatedHeaderLength(65535);
  auto beyond = Open(dir, w, "beyond.dbf");
  EXPECT_EQ(beyond->RecordCount(), 0);
  EXPECT_LE(beyond->FieldCount(), 256);

  // A file that ends inside the descriptors.
  const std::string bytes = People().TableBytes();
  WriteFile(dir / "cut.dbf", bytes.substr(0, 32 + 2 * 32 + 10));
  WDBFFile cut(dir / "cut.dbf");
  EXPECT_EQ(cut.FieldCount(), 2);
  EXPECT_EQ(cut.RecordCount(), 0);
}

TEST(DBFFile, FieldsPastTheRecordAreCut) {
  TempDir dir;
  DBFWriter w = People();
  w.StatedRecordLength(1 + 6 + 5);  // "Given" keeps 5 bytes; "Living" and "Code" none
  auto t = Open(dir, w);
  EXPECT_EQ(t->FieldAt(2)->length, 5);
  EXPECT_EQ(t->FieldAt(3)->length, 0);
  EXPECT_EQ(t->FieldAt(4)->length, 0);
  // Records are now 12 bytes apart, so record 1 is the only one read as written.
  EXPECT_EQ(t->FieldText(1, "Given"), "Ann  ");
  EXPECT_EQ(t->FieldText(1, "Living"), "");
  EXPECT_EQ(t->FieldInt(1, "Code"), 0);
}

TEST(DBFFile, AtMost256FieldsAreKept) {
  TempDir dir;
  DBFWriter w;
  for (int i = 1; i <= 300; ++i) w.Field("F" + std::to_string(i), 'C', 1);
  std::vector<DBFWriter::Cell> row;
  for (int i = 1; i <= 300; ++i) row.emplace_back(std::string(1, static_cast<char>('a' + i % 26)));
  w.Row(row);
  auto t = Open(dir, w);
  EXPECT_EQ(t->FieldCount(), 256);
  EXPECT_EQ(t->FieldIndex("F257"), 0);
  EXPECT_EQ(t->FieldText(1, "F256"), std::string(1, static_cast<char>('a' + 256 % 26)));
}

TEST(DBFFile, MissingTableRaisesTheOpenError) {
  TempDir dir;
  try {
    WDBFFile t(dir / "missing.dbf");
    FAIL() << "opened a missing table";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Error using the file " + (dir / "missing.dbf") +
                  "\r\nPlease check that this file is not being used by another application.");
  }
}

TEST(DBF5File, RawIntegerFieldsAndExactNames) {
  TempDir dir;
  DBFWriter w(0x30);
  w.Field("ID", 'I', 4)
      .Field("Flag", 'I', 1)
      .Field("Pair", 'I', 2)
      .Field("Wide", 'I', 8)
      .Field("Memo", 'M', 4);
  w.Field("Text", 'C', 4).Field("Num", 'N', 3);
  w.Row({"513", "200", "", "", DBFWriter::Cell::Block(9), "1234", " 17"});
  w.Row({"-2", "0", "", "", DBFWriter::Cell::Block(0), "ab", "x"});
  w.Write(dir / "t.dbf");
  // Two raw bytes that are digits.
  std::string bytes = w.TableBytes();
  WDBF5File probe(dir / "t.dbf");
  const size_t pair_at = static_cast<size_t>(probe.HeaderLength()) + 1 + 5;
  bytes[pair_at] = '4';
  bytes[pair_at + 1] = '2';
  WriteFile(dir / "t.dbf", bytes);
  WDBF5File t(dir / "t.dbf");

  // Field names are matched exactly.
  EXPECT_EQ(t.FieldIndex("ID"), 1);
  EXPECT_EQ(t.FieldIndex("id"), 0);
  EXPECT_EQ(t.FieldIndex("Flag"), 2);
  EXPECT_EQ(t.FieldText(1, "id"), "");

  EXPECT_EQ(t.FieldText(1, "ID"), "513");  // bytes 01 02 00 00
  EXPECT_EQ(t.FieldInt(1, "ID"), 513);
  EXPECT_EQ(t.FieldText(2, "ID"), "-2");
  EXPECT_EQ(t.FieldInt(2, "ID"), -2);
  EXPECT_EQ(t.FieldText(1, "Flag"), "200");
  EXPECT_EQ(t.FieldInt(1, "Flag"), 200);
  EXPECT_EQ(t.FieldText(1, "Pair"), "42");
  EXPECT_EQ(t.FieldInt(1, "Pair"), 42);
  EXPECT_EQ(t.FieldText(2, "Pair"), "");
  EXPECT_EQ(t.FieldText(1, "Wide"), "0");
  EXPECT_EQ(t.FieldInt(1, "Wide"), 0);
  EXPECT_EQ(t.FieldText(1, "Memo"), "9");
  EXPECT_EQ(t.FieldInt(1, "Memo"), 9);
  // Other types read as text, but FieldInt goes by the length alone.
  EXPECT_EQ(t.FieldText(1, "Text"), "1234");
  EXPECT_EQ(t.FieldInt(1, "Text"), 0x34333231);
  EXPECT_EQ(t.FieldText(1, "Num"), " 17");
  EXPECT_EQ(t.FieldInt(1, "Num"), 17);
  EXPECT_EQ(t.FieldInt(2, "Num"), 0);
  // Out of range.
  EXPECT_EQ(t.FieldText(3, "ID"), "");
  EXPECT_EQ(t.FieldInt(3, "ID"), 0);
  EXPECT_EQ(t.FieldInt(0, "ID"), 0);
  EXPECT_EQ(t.FieldInt(1, 0), 0);
}

}  // namespace
