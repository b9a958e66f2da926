#pragma once

#include <cstdint>

#include "base/ABSArrayIndex.h"

// Record number -> 32-bit file offset of the record line, in file order.
class WOffsetIndex : public WABSArrayIndex {
 public:
  explicit WOffsetIndex(int initial_count = 0);

  // Appends the offset of the next record; returns its record number.
  int AppendOffset(uint32_t offset);
  // The offset of record n (1 <= n <= count); throws EIndexError otherwise.
  uint32_t GetOffset(int n) const;
};
