#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formats/dbf/DBFFile.h"
#include "formats/dbf/DBFRowIndex.h"
#include "formats/dbf/FPTFile.h"

// One table of a TMG project with its memo file, whatever layer stores it: the 4.x tables
// (WTMGDBF, digits in text fields) and the 5.x ones (WTMG5DBF, raw integers) both come here as
// a table with its row index, so every table class and every record class reads both.  Rows
// are addressed by position (the 1-based ordinal of a live row); a position outside the live
// rows reads as empty text and 0.
class WTMGTable {
 public:
  // A keyed table of either layer, indexed, with its memo file (may be none).
  struct Opened {
    std::unique_ptr<WDBFFile> file;
    const WDBFRowIndex* rows = nullptr;
    std::unique_ptr<WFPTFile> memo;
  };
  template <class Keyed>
  static Opened Adopt(std::unique_ptr<Keyed> keyed, std::unique_ptr<WFPTFile> memo) {
    Opened opened;
    opened.rows = &keyed->Rows();
    opened.file = std::move(keyed);
    opened.memo = std::move(memo);
    return opened;
  }

  explicit WTMGTable(Opened opened);
  virtual ~WTMGTable();
  WTMGTable(const WTMGTable&) = delete;
  WTMGTable& operator=(const WTMGTable&) = delete;

  // Number of a field by name (the layer's rule for letter case); 0 when the table lacks it.
  int Field(std::string_view name) const { return file_->FieldIndex(name); }

  int LiveCount() const { return rows_->LiveCount(); }
  // Position of an identifier of the key field; 0 when below 1 or absent.
  int IdToPos(int id) const { return rows_->IdToPos(id); }
  int PosToId(int pos) const { return rows_->PosToId(pos); }
  // The rows sharing one identifier: entries k = FirstEntry(id), k + 1, ... while EntryId(k)
  // stays id; EntryPos(k) is the row's position.
  int FirstEntry(int id) const { return rows_->FirstEntry(id); }
  int EntryPos(int k) const { return rows_->EntryPos(k); }
  int EntryId(int k) const { return rows_->EntryId(k); }

  std::string PosText(int pos, int field) const {
    return file_->FieldText(rows_->PhysicalRecord(pos), field);
  }
  int PosInt(int pos, int field) const { return file_->FieldInt(rows_->PhysicalRecord(pos), field); }
  char PosChar(int pos, int field) const { return file_->FieldChar(rows_->PhysicalRecord(pos), field); }
  // The field's bytes up to the first NUL, in place (valid while the table is open).
  std::string_view PosBytes(int pos, int field) const;
  // The field's text without blanks at either end.
  std::string PosTrimmed(int pos, int field) const;
  // A logical field counts as set when its text is exactly "T".
  bool PosFlag(int pos, int field) const { return PosText(pos, field) == "T"; }
  // The memo whose first block the field names; empty for block 0 or without a memo file.
  std::string PosMemo(int pos, int field) const;

  int64_t FileSize() const { return file_->FileSize(); }
  // A memo of several parts (a name, a place, a source's elements) split at each "$!&",
  // empty parts kept.
  static std::vector<std::string> SplitParts(std::string_view memo);
  const WDBFFile& File() const { return *file_; }

 private:
  std::unique_ptr<WDBFFile> file_;
  const WDBFRowIndex* rows_;
  std::unique_ptr<WFPTFile> memo_;
};
