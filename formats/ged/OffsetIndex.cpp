#include "formats/ged/OffsetIndex.h"

#include <cstring>

#include "base/Errors.h"

WOffsetIndex::WOffsetIndex(int initial_count) : WABSArrayIndex("", false, sizeof(uint32_t), initial_count) {}

int WOffsetIndex::AppendOffset(uint32_t offset) {
  // Only the first four bytes are copied; the room behind keeps the compiler from warning
  // about the storage's 8-byte copy path, which is never taken for this record size.
  uint32_t record[2] = {offset, 0};
  return Append(record);
}

uint32_t WOffsetIndex::GetOffset(int n) const {
  const void* record = Get(n);
  if (record == nullptr) throw EIndexError(FormatMessage("Error: In valid index value = %d", n));
  uint32_t offset;
  std::memcpy(&offset, record, sizeof offset);
  return offset;
}
