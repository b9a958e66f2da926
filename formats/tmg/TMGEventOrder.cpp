#include "formats/tmg/TMGEventOrder.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "formats/tmg/TMGDate.h"

namespace {

// One event's sort keys besides its first principal.
struct OrderItem {
  uint64_t date_key;
  int32_t per2;
  int32_t position;
};

constexpr int32_t kYieldEvery = 5000;

bool Before(const OrderItem& a, const OrderItem& b) {
  if (a.date_key != b.date_key) return a.date_key < b.date_key;
  if (a.per2 != b.per2) return a.per2 < b.per2;
  return a.position < b.position;
}

// Yields every kYieldEvery steps; false once the import is cancelled.
bool GoOn(int64_t step) {
  if (step % kYieldEvery != 0) return true;
  YieldToUI();
  return !ImportCancelled.load(std::memory_order_relaxed);
}

}  // namespace

bool WTMGEventOrder::Build(int32_t count, const KeysOf& keys_of) {
  positions_.Create(std::string(), 0);
  per1_.Create(std::string(), 0);
  if (count < 0) count = 0;
  const size_t n = static_cast<size_t>(count);
  std::vector<int32_t> per1(n);
  std::vector<OrderItem> items(n);
  // Free-text sort dates are ranked among themselves once all are known.
  std::vector<std::pair<std::string, int32_t>> free_texts;

  EventKeys keys;
  YieldToUI();
  for (int32_t pos = 1; pos <= count; ++pos) {
    if (!GoOn(pos)) return false;
    keys = EventKeys{};
    keys_of(pos, keys);
    std::string text;
    const size_t at = static_cast<size_t>(pos - 1);
    per1[at] = keys.per1;
    // Events of no person are never looked up by date: their dates are not decoded.
    if (keys.per1 < 1) {
      items[at] = OrderItem{0, keys.per2, pos};
      continue;
    }
    items[at] = OrderItem{WTMGDate::SortKeyOf(keys.sort_date, &text), keys.per2, pos};
    if (WTMGDate::IsFreeTextKey(items[at].date_key)) free_texts.emplace_back(std::move(text), pos);
  }
  if (!free_texts.empty()) {
    std::stable_sort(free_texts.begin(), free_texts.end(),
                     [](const auto& a, const auto& b) { return CompareBytes(a.first, b.first) < 0; });
    uint32_t rank = 0;
    for (size_t i = 0; i < free_texts.size(); ++i) {
      if (i > 0 && free_texts[i].first != free_texts[i - 1].first) ++rank;
      items[static_cast<size_t>(free_texts[i].second - 1)].date_key = WTMGDate::FreeTextKey(rank);
    }
  }

  // First principals are person numbers, so the events are dealt into one run per person by
  // counting (keeping position order), and each run, a handful of events, is then sorted by
  // date and second principal.  Numbers spread far wider than the events (a damaged table) are
  // sorted by comparison instead.
  std::vector<uint32_t> order(n);
  const auto [low, high] =
      n ? std::minmax_element(per1.begin(), per1.end()) : std::pair{per1.end(), per1.end()};
  const int64_t span = n ? static_cast<int64_t>(*high) - *low + 1 : 0;
  if (n && span <= 4 * static_cast<int64_t>(n) + 4096) {
    std::vector<uint32_t> start(static_cast<size_t>(span) + 1, 0);
    for (size_t i = 0; i < n; ++i) ++start[static_cast<size_t>(per1[i] - *low) + 1];
    for (size_t k = 1; k < start.size(); ++k) start[k] += start[k - 1];
    std::vector<uint32_t> next(start.begin(), start.end() - 1);
    for (size_t i = 0; i < n; ++i)
      order[next[static_cast<size_t>(per1[i] - *low)]++] = static_cast<uint32_t>(i);
    for (size_t k = 0; k + 1 < start.size(); ++k) {
      if (start[k + 1] - start[k] > 1 && *low + static_cast<int64_t>(k) >= 1)
        std::sort(order.begin() + static_cast<std::ptrdiff_t>(start[k]),
                  order.begin() + static_cast<std::ptrdiff_t>(start[k + 1]),
                  [&](uint32_t a, uint32_t b) { return Before(items[a], items[b]); });
      if (!GoOn(static_cast<int64_t>(k) + 1)) return false;
    }
  } else {
    for (size_t i = 0; i < n; ++i) order[i] = static_cast<uint32_t>(i);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
      if (per1[a] != per1[b]) return per1[a] < per1[b];
      return Before(items[a], items[b]);
    });
  }

  positions_.Create(std::string(), count);
  per1_.Create(std::string(), count);
  for (size_t i = 0; i < n; ++i) {
    positions_.SetValue(static_cast<int32_t>(i + 1), items[order[i]].position);
    per1_.SetValue(static_cast<int32_t>(i + 1), per1[order[i]]);
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
