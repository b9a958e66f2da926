#pragma once

#include <string>
#include <string_view>

#include "formats/dbf/DBFRowIndex.h"

// A table addressed by position: the 1-based ordinal of a live (not deleted) row.  Table is
// WDBFFile or WDBF5File; BuildIndex makes the row lists (WDBFRowIndex) and the Pos readers
// read the table's fields at a position.  A position outside 1..LiveCount() reads as empty
// text, 0 and NUL, never as some other row.
template <class Table>
class WDBFKeyedTable : public Table {
 public:
  explicit WDBFKeyedTable(const std::string& path) : Table(path) {}

  // The live list, and the identifier lists when the table has a field of that name (an
  // empty name, or one the table lacks, builds only the live list).  False when cancelled.
  bool BuildIndex(std::string_view keyFieldName) {
    return rows_.Build(*this, keyFieldName.empty() ? 0 : this->FieldIndex(keyFieldName));
  }

  int LiveCount() const { return rows_.LiveCount(); }
  int PhysicalRecord(int pos) const { return rows_.PhysicalRecord(pos); }
  int IdToPos(int id) const { return rows_.IdToPos(id); }
  int PosToId(int pos) const { return rows_.PosToId(pos); }
  int FirstEntry(int id) const { return rows_.FirstEntry(id); }
  int EntryPos(int k) const { return rows_.EntryPos(k); }
  int EntryId(int k) const { return rows_.EntryId(k); }
  bool HasKey() const { return rows_.HasKey(); }
  const WDBFRowIndex& Rows() const { return rows_; }

  std::string PosText(int pos, int field) const { return this->FieldText(PhysicalRecord(pos), field); }
  int PosInt(int pos, int field) const { return this->FieldInt(PhysicalRecord(pos), field); }
  char PosChar(int pos, int field) const { return this->FieldChar(PhysicalRecord(pos), field); }
  std::string_view PosBytes(int pos, int field) const { return this->FieldBytes(PhysicalRecord(pos), field); }
  std::string PosText(int pos, std::string_view name) const { return PosText(pos, this->FieldIndex(name)); }
  int PosInt(int pos, std::string_view name) const { return PosInt(pos, this->FieldIndex(name)); }
  char PosChar(int pos, std::string_view name) const { return PosChar(pos, this->FieldIndex(name)); }

 private:
  WDBFRowIndex rows_;
};
