#pragma once

// The input of the dBase harness: a table's bytes, the separator kMemoSeparator, and the memo
// file's bytes (no separator: no memo file).  The table is read as a text-field table and as a
// raw-integer table, each keyed on its first field, and every position, field and memo is
// read; the kept crash inputs replay the same walk in the tests.

#include <cstdint>
#include <string>
#include <string_view>

#include "formats/dbf/DBF5File.h"
#include "formats/dbf/DBFFile.h"
#include "formats/dbf/DBFKeyedTable.h"
#include "formats/dbf/FPTFile.h"

inline constexpr std::string_view kMemoSeparator = "\xFA\xFBMEMO";

struct DBFFuzzInput {
  std::string_view table;
  std::string_view memo;
  bool has_memo = false;
};

inline DBFFuzzInput SplitDBFFuzzInput(std::string_view bytes) {
  DBFFuzzInput input;
  const size_t at = bytes.find(kMemoSeparator);
  input.table = bytes.substr(0, at);
  if (at != std::string_view::npos) {
    input.memo = bytes.substr(at + kMemoSeparator.size());
    input.has_memo = true;
  }
  return input;
}

// Reads everything of one table with its memo file; returns a sum of what was read.
template <class Table>
size_t WalkDBFTable(const std::string& table_path, const WFPTFile& memo) {
  Table table(table_path);
  const WDBFFile::Field* key = table.FieldAt(1);
  table.BuildIndex(key ? std::string_view(key->name) : std::string_view());
  size_t n = static_cast<size_t>(table.RecordCount()) + static_cast<size_t>(table.FileSize());
  for (int r = -1; r <= table.RecordCount() + 1; ++r) n += table.IsDeleted(r) ? 1 : 0;
  for (int pos = 0; pos <= table.LiveCount() + 1; ++pos) {
    n += static_cast<size_t>(table.PhysicalRecord(pos));
    for (int f = 0; f <= table.FieldCount() + 1; ++f) {
      n += table.PosText(pos, f).size() + static_cast<size_t>(table.PosInt(pos, f)) +
           static_cast<size_t>(table.PosChar(pos, f));
      const WDBFFile::Field* field = table.FieldAt(f);
      if (field && field->type == 'M') n += memo.ReadMemo(table.PosInt(pos, f)).size();
    }
    const int id = table.PosToId(pos);
    n += static_cast<size_t>(table.IdToPos(id));
    int steps = 0;
    for (int k = table.FirstEntry(id); k > 0 && table.EntryId(k) == id && steps < 64; ++k, ++steps)
      n += static_cast<size_t>(table.EntryPos(k));
  }
  return n;
}
