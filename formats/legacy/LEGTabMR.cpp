#include "formats/legacy/LEGTabMR.h"

#include <algorithm>

bool WLEGTabMR::Load() {
  const int idmr = Field("IDMR"), husband = Field("IDIRHusb"), wife = Field("IDIRWife");
  const bool done = Walk(nullptr, [&] {
    Entry e{table_->FieldInt(idmr), table_->FieldInt(husband), table_->FieldInt(wife)};
    if (e.idmr == 0) return false;
    entries_.push_back(e);
    return true;
  });
  if (!done) return false;
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const Entry& a, const Entry& b) { return a.idmr < b.idmr; });
  UseSeekIndex();
  return true;
}

int WLEGTabMR::NumberOf(int32_t idmr) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), idmr,
                             [](const Entry& e, int32_t id) { return e.idmr < id; });
  return it != entries_.end() && it->idmr == idmr ? static_cast<int>(it - entries_.begin()) + 1 : 0;
}
