#include "formats/legacy/LEGTabBP.h"

#include <algorithm>

bool WLEGTabBP::Load() {
  const int idbp = Field("IDBP"), path = Field("PicPath");
  const bool done = Walk("IDBP", [&] {
    Entry e{table_->FieldInt(idbp), std::string()};
    if (e.idbp <= 0) return false;
    e.path = table_->FieldText(path).substr(0, 255);
    entries_.push_back(std::move(e));
    return true;
  });
  if (!done) return false;
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const Entry& a, const Entry& b) { return a.idbp < b.idbp; });
  UseSeekIndex();
  return true;
}

const WLEGTabBP::Entry* WLEGTabBP::Find(int32_t idbp) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), idbp,
                             [](const Entry& e, int32_t id) { return e.idbp < id; });
  return it != entries_.end() && it->idbp == idbp ? &*it : nullptr;
}
