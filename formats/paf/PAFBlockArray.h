#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/ABSArrayIndex.h"

// The block index of a PAF file: one element per map region, built from the region's map
// block.  An element is 8232 int16 values: values 0 to K-1 are start positions (value t-1 is
// where the list of blocks of type t begins in the same element), and from position K on follow
// the numbers within the region of every block of types 1 to K, grouped by type in ascending
// type order and within a type in file order.  A record is then found with one read instead of
// a scan of the map block.
class WPAFBlockArray : public WABSArrayIndex {
 public:
  static constexpr int kElementValues = 8232;
  static constexpr int kElementBytes = kElementValues * 2;

  // An empty index for block types 1..types (at most 40).
  explicit WPAFBlockArray(int types);

  // Appends the element of the next map from its map block: 8192 type bytes, entry j giving the
  // type of block j of the region.  Entries before `first_entry` are not listed (entry 0 is
  // the map block itself); entries of type 0 or above the index's types are ignored.
  void AddMap(std::string_view type_bytes, int first_entry);

  // The element of map i (1-based) as int16 values; nullptr outside 1..Count().
  const void* Element(int32_t i) const { return Get(i); }
  // Number of blocks of a type (1..types) in a map (0-based); 0 outside.
  int BlockCount(int map, int type) const;
  // The number within its region of the r-th block (0-based) of a type in a map (0-based);
  // -1 when the map has no such block.
  int Block(int map, int type, int r) const;
  int Types() const { return types_; }

 private:
  int types_;
  std::vector<int16_t> counts_;  // per map, per type
};
