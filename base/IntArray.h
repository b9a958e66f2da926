#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "base/ABSArrayIndex.h"

// An index array of 32-bit integers (record offsets, record numbers, keys).
class WIntArray : public WABSArrayIndex {
 public:
  // An empty array with temporary storage.
  WIntArray() { Create(std::string(), 0); }
  // count zero values.
  explicit WIntArray(int32_t count) { Create(std::string(), count); }
  WIntArray(const std::string& fileName, int32_t count) { Create(fileName, count); }
  WIntArray(WIntArray&&) noexcept = default;
  WIntArray& operator=(WIntArray&&) noexcept = default;

  // New storage holding count zero values.
  void Create(const std::string& fileName, int32_t count) {
    WABSArrayIndex::Create(fileName, false, 4, count);
    SetCount(count);
  }

  // Ignored when i is not in 1..Count().
  virtual void SetValue(int32_t i, int32_t v) {
    if (!IsValid(i)) return;
    std::memcpy(Record(i), &v, 4);
    ClearSortedFlag();
  }
  // 0 when i is not in 1..Count().
  virtual int32_t GetValue(int32_t i) const {
    int32_t v = 0;
    if (IsValid(i)) std::memcpy(&v, Record(i), 4);
    return v;
  }
  // Appends v; returns its index (0 when the array has no storage).
  int32_t AppendValue(int32_t v) { return Append(&v); }
  // Sets every value to v.
  void Fill(int32_t v);

  // Ascending by value.
  bool SortValues(bool yield = false);
  // By compare(a, b, context) < 0, 0 or > 0 over two values.
  bool SortValues(int (*compare)(int32_t a, int32_t b, void* context), void* context, bool yield = false);
  // Sorts by any callable compare(int32_t a, int32_t b) -> int.
  template <class Compare>
  bool SortValuesBy(Compare&& compare, bool yield = false) {
    return Sort(
        [&compare](const void* a, const void* b) {
          int32_t x, y;
          std::memcpy(&x, a, 4);
          std::memcpy(&y, b, 4);
          return compare(x, y);
        },
        yield);
  }
  // Index of v by binary search (the array must be in ascending order), or 0.
  int32_t FindValue(int32_t v) const;
};
