#include "base/IntArray.h"

void WIntArray::Fill(int32_t v) {
  int32_t n = Count();
  for (int32_t i = 1; i <= n; ++i) std::memcpy(Record(i), &v, 4);
  ClearSortedFlag();
}

bool WIntArray::SortValues(bool yield) {
  return SortValuesBy([](int32_t a, int32_t b) { return a < b ? -1 : (a > b ? 1 : 0); }, yield);
}

bool WIntArray::SortValues(int (*compare)(int32_t a, int32_t b, void* context), void* context, bool yield) {
  if (!compare) return SortValues(yield);
  return SortValuesBy([compare, context](int32_t a, int32_t b) { return compare(a, b, context); }, yield);
}

int32_t WIntArray::FindValue(int32_t v) const {
  return Find(
      [](const void* record, int32_t key) {
        int32_t x;
        std::memcpy(&x, record, 4);
        return x < key ? -1 : (x > key ? 1 : 0);
      },
      v);
}
