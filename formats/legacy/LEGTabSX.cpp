#include "formats/legacy/LEGTabSX.h"

#include <algorithm>

bool WLEGTabSX::Load() {
  const int idsx = Field("IDSX"), idsr = Field("IDSR"), owner = Field("IDIME"), type = Field("Type");
  const bool done = Walk(nullptr, [&] {
    Entry e{table_->FieldInt(idsx), table_->FieldInt(idsr), table_->FieldInt(owner), table_->FieldInt(type)};
    if (e.idsx <= 0) return false;
    entries_.push_back(e);
    return true;
  });
  if (!done) return false;
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const Entry& a, const Entry& b) { return a.owner < b.owner; });
  UseSeekIndex();
  return true;
}

std::vector<int32_t> WLEGTabSX::CitationsOf(int32_t owner, int32_t type) const {
  std::vector<int32_t> list;
  auto it = std::lower_bound(entries_.begin(), entries_.end(), owner,
                             [](const Entry& e, int32_t id) { return e.owner < id; });
  for (; it != entries_.end() && it->owner == owner && list.size() < kMaxCitations; ++it)
    if (it->type == type) list.push_back(it->idsx);
  return list;
}
