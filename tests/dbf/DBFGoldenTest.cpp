// Everything the dBase layer reads from a table and its memo file, printed as text and compared
// with checked-in text under tests/golden/: header numbers, field descriptors, and per record
// the deletion flag, each field's text, its integer reading and, for memo fields, the memo.  The
// fixtures are a tidy dBase III table, a Visual FoxPro table with raw integers and memos, and a
// damaged table whose header claims more than the file holds.  UPDATE_GOLDEN=1 rewrites them.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "formats/dbf/DBF5File.h"
#include "formats/dbf/DBFFile.h"
#include "formats/dbf/FPTFile.h"
#include "support/DBFWriter.h"
#include "support/Golden.h"
#include "support/TempDir.h"

namespace {

// A value as one printable token: bytes outside printable ASCII as \xNN.
std::string Shown(std::string_view bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F && c != '"' && c != '\\') {
      out += c;
    } else {
      out += "\\x";
      out += kHex[b >> 4];
      out += kHex[b & 15];
    }
  }
  return out + "\"";
}

std::string TableText(const WDBFFile& table, const WFPTFile* memo) {
  std::string out = "records " + std::to_string(table.RecordCount()) + " (header says " +
                    std::to_string(table.HeaderRecordCount()) + "), header length " +
                    std::to_string(table.HeaderLength()) + ", record length " +
                    std::to_string(table.RecordLength()) + ", file " + std::to_string(table.FileSize()) +
                    "\n";
  if (memo)
    out += "memo file: block size " + std::to_string(memo->BlockSize()) + ", file " +
           std::to_string(memo->FileSize()) + "\n";
  for (int f = 1; f <= table.FieldCount(); ++f) {
    const WDBFFile::Field* field = table.FieldAt(f);
    out += "field " + std::to_string(f) + " " + field->name + " " + field->type + " length " +
           std::to_string(field->length) + " offset " + std::to_string(field->offset) + "\n";
  }
  // One record past the end shows what an out-of-range record reads as.
  for (int n = 1; n <= table.RecordCount() + 1; ++n) {
    out += "record " + std::to_string(n) + (table.IsDeleted(n) ? " deleted" : "") + "\n";
    for (int f = 1; f <= table.FieldCount(); ++f) {
      const WDBFFile::Field* field = table.FieldAt(f);
      out += "  " + field->name + " " + Shown(table.FieldText(n, f)) + " int " +
             std::to_string(table.FieldInt(n, f));
      if (field->type == 'M' && memo) out += " memo " + Shown(memo->ReadMemo(table.FieldInt(n, f)));
      out += "\n";
    }
  }
  return out;
}

struct Fixture {
  const char* name;
  std::function<DBFWriter()> make;
  bool foxpro;  // read as Visual FoxPro (raw integers), with its memo file
};

const Fixture kFixtures[] = {
    {"dbf_dbase3",
     [] {
       DBFWriter w;
       w.Field("PersonID", 'N', 6).Field("Given", 'C', 12).Field("Living", 'L', 1).Field("Code", 'C', 4);
       w.Row({"1", "Ann", "Y", "17"});
       w.Row({"2", "Bert", "N", "x1F"}, true);
       w.Row({"3", "Cora", "Y", "$ff"});
       w.Row({"4", "D\xE9sir\xE9", "N", "0x10"}, true);
       w.Row({"5", "Eve", "?", "-12"});
       return w;
     },
     false},
    {"dbf_foxpro_memos",
     [] {
       DBFWriter w(0x30);
       w.Field("ID", 'I', 4).Field("DSID", 'I', 1).Field("NAME", 'C', 10).Field("NOTE", 'M', 4);
       w.PadWithNul().HeaderPadding(263).MemoBlockSize(32).FreeBlocksBetweenMemos(2);
       w.Row({"1", "1", "Ann", "A memo longer than one block of thirty-two bytes, so that it runs on."});
       w.Row({"2", "2", "Bert", ""});
       w.Row({"-7", "1", "Cora", "Line one\r\nLine two"}, true);
       w.Row({"300", "2", "Dan", DBFWriter::Cell::Block(99)});
       return w;
     },
     true},
    {"dbf_damaged",
     [] {
       DBFWriter w(0xF5);
       w.Field("ID", 'N', 4).Field("TEXT", 'C', 6).Field("MEMO", 'M', 10);
       w.Row({"1", "one", "first memo"});
       w.Row({"2", "two", "second memo, cut short by the end of the memo file"});
       w.Row({"3", "three", "third"});
       w.StatedRecordCount(40).OmitTerminator().TruncateMemo(600).EndMarker(false);
       return w;
     },
     false},
};

class DBFGolden : public testing::TestWithParam<Fixture> {};

TEST_P(DBFGolden, TableReadsAsExpected) {
  const Fixture& fixture = GetParam();
  TempDir dir;
  const DBFWriter writer = fixture.make();
  const std::string table_path = dir / "t.dbf", memo_path = dir / "t.fpt";
  writer.Write(table_path, writer.HasMemoFields() ? memo_path : std::string());
  std::unique_ptr<WDBFFile> table =
      fixture.foxpro ? std::make_unique<WDBF5File>(table_path) : std::make_unique<WDBFFile>(table_path);
  std::unique_ptr<WFPTFile> memo = writer.HasMemoFields() ? std::make_unique<WFPTFile>(memo_path) : nullptr;
  ExpectGolden(TableText(*table, memo.get()), std::string(fixture.name) + ".txt");
}

INSTANTIATE_TEST_SUITE_P(Tables, DBFGolden, testing::ValuesIn(kFixtures),
                         [](const testing::TestParamInfo<Fixture>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
