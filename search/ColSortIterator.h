#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "search/CollectionIterator.h"

class WAttrib;
class WAttribArray;

// A list of all individuals that sorts itself once by an attribute column and keeps that
// order (ascending or descending) together with the keys it was sorted by.
class WColSortIterator : public WCollectionIterator {
 public:
  WColSortIterator(WABSCollection* collection, int32_t capacity);
  ~WColSortIterator() override;

  // Position i counts from the end when the direction is descending.
  RecNo Get(int32_t i) override;

  // Sorts by the attribute.  Sorting again by the column the list is sorted by only
  // reverses the direction (with `toggle`); sorting by another column starts ascending
  // (with `toggle`) and rebuilds the keys.  Yields to the user interface while it runs;
  // returns false, leaving the list unsorted, when the cancel flag stopped it or the
  // data type cannot be sorted.
  bool SortBy(WAttrib& attribute, bool toggle);
  // Sorts by attribute column 1, 2, 6, 7 or 48, unless the list is sorted already (by
  // whatever column): a list is sorted once.  Name keys never carry a prefix or suffix.
  bool SortByColumn(int column);
  // The first position holding record n; 0 when n is not in the list.
  int32_t IndexOf(RecNo n);
  // The record number at position i without moving the current position (for drawing);
  // 0 outside 1..Count().
  RecNo RecordAt(int32_t i) const;

  bool Ascending() const { return ascending_; }
  // The column of the last sort (0 = none).
  int SortColumn() const { return column_; }
  // IndividualCount when the list was created.
  int32_t RecordCount() const { return record_count_; }
  // The keys of the last sort; nullptr before one.
  const WAttribArray* Keys() const { return keys_.get(); }

 private:
  int32_t record_count_;
  bool ascending_ = true;
  int column_ = 0;
  std::unique_ptr<WAttribArray> keys_;
};

// Prefix searches on a sorted list.  The typed text (a model text, Windows-1252) is folded
// into a key exactly as the list's sort keys are (accents folded, upper-cased, cut to the
// key width) and compared with the keys the list is sorted by, so that "Nunez", "NÚÑEZ" and
// "núñez" all land on Núñez, and the search agrees with the order of the list.  The result
// is the first position whose key begins with the typed key; when none does, the position
// just before where it would stand (at least 1).  0 for an empty list.

// A list sorted by "Surname, Given": the typed surname, and the typed given names after
// ", " when there are any.
int32_t FindBySurnameGiven(WColSortIterator& list, const std::string& surname, const std::string& given);
// A list sorted by full name (without prefix and suffix).
int32_t FindByFullName(WColSortIterator& list, const std::string& text);
// A list sorted by user reference number.
int32_t FindByUserID(WColSortIterator& list, const std::string& text);

// The key of typed text, as the sort keys are made: accents folded, upper-cased, cut to 47
// characters.
std::string TypedKey(const std::string& typed);

// The prefix comparison: the entry's first L characters (L = the typed length) against
// the typed text, bytes unsigned, a to z taken as A to Z; an entry shorter than the typed
// text that matches as far as it goes comes first.  < 0, 0 or > 0.
int ComparePrefix(const std::string& entry, const std::string& typed);
