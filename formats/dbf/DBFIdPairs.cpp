#include "formats/dbf/DBFIdPairs.h"

#include <cstring>

namespace {

int32_t IdOf(const void* record) {
  int32_t id;
  std::memcpy(&id, record, sizeof id);
  return id;
}

}  // namespace

void WDBFIdPairs::AddPair(int32_t id, int32_t pos) {
  const Pair pair{id, pos};
  Append(&pair);
}

bool WDBFIdPairs::SortById() {
  return Sort(
      [](const void* a, const void* b) {
        const int32_t x = IdOf(a), y = IdOf(b);
        return x < y ? -1 : (x > y ? 1 : 0);
      },
      true);
}

int32_t WDBFIdPairs::FindAnyEntry(int32_t id) const {
  return Find(
      [](const void* record, int32_t key) { return IdOf(record) < key ? -1 : (IdOf(record) > key ? 1 : 0); },
      id);
}

int32_t WDBFIdPairs::FindFirstEntry(int32_t id) const {
  int32_t low = 1, high = Count() + 1;  // the answer lies in [low, high)
  while (low < high) {
    const int32_t mid = low + (high - low) / 2;
    if (IdOf(Get(mid)) < id)
      low = mid + 1;
    else
      high = mid;
  }
  return low <= Count() && IdOf(Get(low)) == id ? low : 0;
}

WDBFIdPairs::Pair WDBFIdPairs::PairAt(int32_t k) const {
  Pair pair{0, 0};
  if (const void* record = Get(k)) std::memcpy(&pair, record, sizeof pair);
  return pair;
}
