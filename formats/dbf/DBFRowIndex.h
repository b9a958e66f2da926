#pragma once

#include <cstdint>
#include <memory>

#include "base/IntArray.h"
#include "formats/dbf/DBFIdPairs.h"

class WDBFFile;

// The row lists of a keyed table: the live list (the physical record number of every record
// not deleted, in file order; the 1-based index into it is the row's position) and, when the
// table has a key field, the identifier of each position with a lookup from identifier to
// position.
//
// Tables normally hold their rows in ascending order of identifier; the index checks that
// while it scans.  When they are in order, the identifier list itself is sorted and a binary
// search in it gives the position; when they are not, (identifier, position) pairs sorted by
// identifier are built, so that every identifier still finds its own row.  Either way
// FirstEntry/EntryPos/EntryId walk the rows that share an identifier in index order.
//
// Lists that are just 1, 2, 3, ... (no deleted record; identifiers equal to positions) are
// not stored at all.
class WDBFRowIndex {
 public:
  // Records scanned between two yields to the user interface.
  static constexpr int kYieldInterval = 5000;

  WDBFRowIndex();
  ~WDBFRowIndex();
  WDBFRowIndex(const WDBFRowIndex&) = delete;
  WDBFRowIndex& operator=(const WDBFRowIndex&) = delete;

  // Scans the table: the live list, and the identifier lists when keyField is a field of
  // the table (1..FieldCount).  Yields before the scan and every 5000 records; returns false
  // (leaving an index that answers nothing) when the import was cancelled.
  bool Build(const WDBFFile& table, int keyField);

  // Positions so far (while Build runs: the rows scanned so far).
  int LiveCount() const { return live_.Count(); }
  bool HasKey() const { return built_ && has_key_; }
  // True when the identifiers were met in ascending order.
  bool InKeyOrder() const { return in_order_; }
  // The physical record of a position; 0 outside 1..LiveCount().
  int PhysicalRecord(int pos) const;
  // A position holding the identifier (any one, when several do); 0 when absent, below 1
  // or the table has no key.
  int IdToPos(int id) const;
  // The identifier of a position; 0 outside 1..LiveCount() or without key.
  int PosToId(int pos) const;
  // Index of the first entry (in identifier order) holding id; 0 when none.
  int FirstEntry(int id) const;
  // Position and identifier of entry k; 0 when k is out of range.
  int EntryPos(int k) const;
  int EntryId(int k) const;
  // Bytes held by the lists.
  int64_t MemoryBytes() const;

 private:
  // 1, 2, 3, ... until the first value that departs from it; only from then on stored.
  class CountingList {
   public:
    void Clear();
    void Append(int32_t value);
    int32_t Count() const { return count_; }
    int32_t Get(int32_t i) const;
    bool IsCounting() const { return !stored_; }
    int64_t MemoryBytes() const;

   private:
    int32_t count_ = 0;
    std::unique_ptr<WIntArray> stored_;
  };

  CountingList live_;
  CountingList ids_;
  std::unique_ptr<WDBFIdPairs> pairs_;  // only when the identifiers are out of order
  bool built_ = false;
  bool has_key_ = false;
  bool in_order_ = true;
};
