#include "formats/legacy/LEGTabCR.h"

#include <algorithm>

bool WLEGTabCR::Load() {
  const int idcr = Field("IDCR"), idmr = Field("IDMR"), idir = Field("IDIR"), order = Field("Order");
  const bool done = Walk("IDMROrder", [&] {
    Entry e{table_->FieldInt(idcr), table_->FieldInt(idmr), table_->FieldInt(idir), table_->FieldInt(order)};
    if (e.idcr <= 0) return false;
    entries_.push_back(e);
    return true;
  });
  if (!done) return false;
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const Entry& a, const Entry& b) { return a.idir < b.idir; });
  UseSeekIndex();
  return true;
}

const WLEGTabCR::Entry* WLEGTabCR::FindChild(int32_t idir) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), idir,
                             [](const Entry& e, int32_t id) { return e.idir < id; });
  return it != entries_.end() && it->idir == idir ? &*it : nullptr;
}
