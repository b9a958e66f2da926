#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "formats/legacy/DAODatabase.h"

// One table of a Legacy database as the reader uses it: opened once, walked once by Import (the
// tables with loaded arrays keep their identifiers and links in memory), then set to the index
// by which record objects seek single rows.  A table that the database lacks is simply empty:
// every seek fails and every field reads as 0 or "".
class WLEGTable {
 public:
  WLEGTable(TDAODatabase& database, const char* table_name, const char* seek_index);
  virtual ~WLEGTable();
  WLEGTable(const WLEGTable&) = delete;
  WLEGTable& operator=(const WLEGTable&) = delete;

  bool IsOpen() const { return table_ != nullptr; }
  // Walks the table to fill its array (tables without one only set their index); false when the
  // import was cancelled on the way.
  virtual bool Load();
  // Makes the row with that key of the seek index current; the row sought last is kept without
  // seeking again.  False (every field then empty) when there is no such row.
  bool Seek(int32_t id);
  bool SeekText(const std::string& key);
  int32_t Int(const char* field);
  std::string Text(const char* field);
  bool HasField(const char* field);
  int RecordCount();

 protected:
  // Sets the seek index (done by Load once the walk is over).
  void UseSeekIndex();
  // Walks from the first row to the end in the order of `walk_index` (table order when none),
  // calling `keep` for each row; `keep` returns true for a row it kept.  The user interface gets
  // a turn every 100 kept rows, and the walk stops when the import is cancelled.
  template <typename Keep>
  bool Walk(const char* walk_index, Keep keep);
  // A field's handle, looked up once.
  int Field(const char* field);
  bool YieldEvery100(int kept);

  std::unique_ptr<TDAOTable> table_;
  std::string seek_index_;

 private:
  std::unordered_map<std::string, int> fields_;
  int32_t last_sought_ = 0;
  bool last_valid_ = false;
  bool last_found_ = false;
};

template <typename Keep>
bool WLEGTable::Walk(const char* walk_index, Keep keep) {
  last_valid_ = false;
  if (!table_) return true;
  if (walk_index) table_->SetIndex(walk_index);
  int kept = 0;
  for (table_->First(); !table_->End(); table_->Next()) {
    if (keep() && !YieldEvery100(++kept)) return false;
  }
  return YieldEvery100(0);
}
