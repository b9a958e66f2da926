#include "formats/tmg/TMGEventOrder.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "base/ABSArrayIndex.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "formats/tmg/TMGDate.h"

namespace {

struct OrderItem {
  int32_t per1;
  int32_t per2;
  uint64_t date_key;
  int32_t position;
  int32_t unused;
};
static_assert(sizeof(OrderItem) == 24);

constexpr int32_t kYieldEvery = 5000;

int CompareItems(const OrderItem& a, const OrderItem& b) {
  if (a.per1 != b.per1) return a.per1 < b.per1 ? -1 : 1;
  if (a.date_key != b.date_key) return a.date_key < b.date_key ? -1 : 1;
  if (a.per2 != b.per2) return a.per2 < b.per2 ? -1 : 1;
  if (a.position != b.position) return a.position < b.position ? -1 : 1;
  return 0;
}

OrderItem ItemAt(const void* p) {
  OrderItem item;
  std::memcpy(&item, p, sizeof item);
  return item;
}

}  // namespace

bool WTMGEventOrder::Build(int32_t count, const KeysOf& keys_of) {
  positions_.Create(std::string(), 0);
  per1_.Create(std::string(), 0);
  WABSArrayIndex items(std::string(), false, sizeof(OrderItem), count > 0 ? count : 0);
  // Free-text sort dates are ranked among themselves once all are known.
  std::vector<std::pair<std::string, int32_t>> free_texts;

  EventKeys keys;
  YieldToUI();
  for (int32_t pos = 1; pos <= count; ++pos) {
    if (pos % kYieldEvery == 0) {
      YieldToUI();
      if (ImportCancelled.load(std::memory_order_relaxed)) return false;
    }
    keys = EventKeys{};
    keys_of(pos, keys);
    OrderItem item{keys.per1, keys.per2, 0, pos, 0};
    std::string text;
    item.date_key = WTMGDate::SortKeyOf(keys.sort_date, &text);
    const int32_t at = items.Append(&item);
    if (WTMGDate::IsFreeTextKey(item.date_key)) free_texts.emplace_back(std::move(text), at);
  }

  if (!free_texts.empty()) {
    std::stable_sort(free_texts.begin(), free_texts.end(),
                     [](const auto& a, const auto& b) { return CompareBytes(a.first, b.first) < 0; });
    uint32_t rank = 0;
    for (size_t i = 0; i < free_texts.size(); ++i) {
      if (i > 0 && free_texts[i].first != free_texts[i - 1].first) ++rank;
      OrderItem item = ItemAt(items.Get(free_texts[i].second));
      item.date_key = WTMGDate::FreeTextKey(rank);
      items.Set(free_texts[i].second, &item);
    }
  }

  if (!items.Sort([](const void* a, const void* b) { return CompareItems(ItemAt(a), ItemAt(b)); }, true))
    return false;

  positions_.Create(std::string(), count);
  per1_.Create(std::string(), count);
  for (int32_t i = 1; i <= items.Count(); ++i) {
    const OrderItem item = ItemAt(items.Get(i));
    positions_.SetValue(i, item.position);
    per1_.SetValue(i, item.per1);
  }
  return true;
}

int32_t WTMGEventOrder::FirstOf(int32_t per1) const {
  // Lower bound: the first index whose first principal is not below per1.
  int32_t low = 1, high = per1_.Count() + 1;
  while (low < high) {
    const int32_t mid = low + (high - low) / 2;
    if (per1_.GetValue(mid) < per1)
      low = mid + 1;
    else
      high = mid;
  }
  return low <= per1_.Count() && per1_.GetValue(low) == per1 ? low : 0;
}
