#pragma once

#include <array>
#include <memory>

#include "search/ColSortIterator.h"

class WABSCollection;

// The sorted lists of the open file, lent to the find dialogs.
struct WSortLists {
  WColSortIterator* by_user_id = nullptr;    // column 48
  WColSortIterator* by_surname = nullptr;    // column 7, "Surname, Given"
  WColSortIterator* by_full_name = nullptr;  // column 6
  WColSortIterator* by_rin = nullptr;        // column 2

  // The list for an attribute column (48, 7, 6 or 2); nullptr for others.
  WColSortIterator* ForColumn(int column) const;
};

// The main window's five lists of all individuals of the open file, created on first use:
// kind 1 in record order (marked sorted, never sorted), kinds 2 to 5 sorted by the
// columns 2, 7, 6 and 48 when first asked to.  Each order is therefore sorted at most once
// per file.  The lists are freed when the collection changes and with the holder.
class WSortIterators {
 public:
  static constexpr int kRecordOrder = 1;
  static constexpr int kKinds = 5;

  WSortIterators() = default;
  WSortIterators(const WSortIterators&) = delete;
  WSortIterators& operator=(const WSortIterators&) = delete;

  // Frees every list when the collection differs from the one held.  Not owned.
  void SetCollection(WABSCollection* collection);
  WABSCollection* Collection() const { return collection_; }
  // Frees every list.
  void Clear();

  // The list of a kind (1 to 5), created on first use (with the busy cursor); with
  // `sort_now` it is sorted by its column (once).  nullptr for another kind or without
  // a collection.
  WColSortIterator* GetSortIterator(int kind, bool sort_now);
  // The column of a kind: 0 for kind 1, then 2, 7, 6 and 48.
  static int ColumnOfKind(int kind);
  // Creates the four keyed lists (not sorted) and lends them.
  WSortLists Lists();

  // Whether the list of a kind exists (for tests and the wait dialog).
  bool Exists(int kind) const { return kind >= 1 && kind <= kKinds && lists_[kind - 1] != nullptr; }

 private:
  WABSCollection* collection_ = nullptr;
  std::array<std::unique_ptr<WColSortIterator>, kKinds> lists_;
};
