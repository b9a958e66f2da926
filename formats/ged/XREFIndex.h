#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "base/ABSArrayIndex.h"
#include "model/RecNo.h"

// Identifier -> record number, kept sorted for binary search.  Each element holds the
// identifier NUL-padded to 32 bytes (at most 31 characters) and the record number it was
// given when added.  Keys order byte by byte as unsigned values; a prefix orders first.
class WXREFIndex : public WABSArrayIndex {
 public:
  static constexpr int kKeySize = 32;
  struct Element {
    char key[kKeySize];
    int32_t rec_no;
  };
  static_assert(sizeof(Element) == 36);

  explicit WXREFIndex(int initial_count = 0);

  // Adds a non-empty key with the record number count + 1 and returns it; an empty key
  // is not added (0).  Keys longer than 31 characters are cut.
  RecNo AddKey(std::string_view key);
  // True when a key was added out of order since the last sort.
  bool IsUnsorted() const { return unsorted_; }
  // Sorts the keys (yielding to the user interface) and clears the unsorted flag.
  void SortKeys();
  // The record number of the key; 0 when the key is empty or absent.  Sorts first when
  // needed.
  RecNo FindKey(std::string_view key);

  // The element at position i (1-based), or none.
  const Element* ElementAt(int i) const { return static_cast<const Element*>(Get(i)); }

  // The key order; throws ECompareError when either side is missing.
  static int CompareKeys(const void* a, const void* b) {
    if (a == nullptr || b == nullptr) ThrowMissingKey();
    // Eight bytes at a time, read big-endian so that integer order is byte order.
    const unsigned char* x = static_cast<const unsigned char*>(a);
    const unsigned char* y = static_cast<const unsigned char*>(b);
    for (int i = 0; i < kKeySize; i += 8) {
      uint64_t u, v;
      std::memcpy(&u, x + i, 8);
      std::memcpy(&v, y + i, 8);
      if (u != v) {
        if constexpr (std::endian::native == std::endian::little) {
          u = __builtin_bswap64(u);
          v = __builtin_bswap64(v);
        }
        return u < v ? -1 : 1;
      }
    }
    return 0;
  }

 private:
  [[noreturn]] static void ThrowMissingKey();

  bool unsorted_ = false;
};
