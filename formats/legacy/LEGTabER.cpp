#include "formats/legacy/LEGTabER.h"

#include <algorithm>

bool WLEGTabER::Load() {
  const int ider = Field("IDER"), idir = Field("IDIR"), type = Field("IDType"), order = Field("Order");
  const bool done = Walk(nullptr, [&] {
    Entry e{table_->FieldInt(ider), table_->FieldInt(idir), table_->FieldInt(type), table_->FieldInt(order)};
    if (e.ider <= 0) return false;
    entries_.push_back(e);
    return true;
  });
  if (!done) return false;
  std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    return a.idir != b.idir ? a.idir < b.idir : a.order < b.order;
  });
  UseSeekIndex();
  return true;
}

std::vector<int32_t> WLEGTabER::EventsOf(int32_t idir) const {
  std::vector<int32_t> events;
  auto it = std::lower_bound(entries_.begin(), entries_.end(), idir,
                             [](const Entry& e, int32_t id) { return e.idir < id; });
  for (; it != entries_.end() && it->idir == idir && events.size() < kMaxEvents; ++it)
    if (it->type == 0) events.push_back(it->ider);
  return events;
}
