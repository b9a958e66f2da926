#pragma once

#include <cstdint>

#include "base/ABSArrayIndex.h"

// Identifier -> position pairs of a keyed table, sorted by identifier for binary search.
// Each item is a 32-bit identifier and a 32-bit position; items compare by identifier
// alone, so pairs with equal identifiers keep whatever order the sort leaves them in.
// Kept in temporary mapped storage like every index array.
class WDBFIdPairs : public WABSArrayIndex {
 public:
  struct Pair {
    int32_t id;
    int32_t pos;
  };

  // Empty, with temporary storage.
  WDBFIdPairs() { Create(std::string(), false, sizeof(Pair), 0); }

  void AddPair(int32_t id, int32_t pos);
  // Sorts the pairs by identifier, yielding to the user interface on the way; false when
  // the sort stopped because the import was cancelled.
  bool SortById();
  // Index of any pair holding id (binary search); 0 when none.
  int32_t FindAnyEntry(int32_t id) const;
  // Index of the first pair holding id (a lower bound, so a long run of equal identifiers
  // costs no more than any other search); 0 when none.
  int32_t FindFirstEntry(int32_t id) const;
  // Position and identifier of pair k; 0 when k is out of range.
  int32_t EntryPos(int32_t k) const { return PairAt(k).pos; }
  int32_t EntryId(int32_t k) const { return PairAt(k).id; }
  // The position paired with id; 0 when absent.
  int32_t Lookup(int32_t id) const { return EntryPos(FindAnyEntry(id)); }

 private:
  Pair PairAt(int32_t k) const;
};
