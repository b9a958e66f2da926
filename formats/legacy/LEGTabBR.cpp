#include "formats/legacy/LEGTabBR.h"

#include <algorithm>

bool WLEGTabBR::Load() {
  const int idbr = Field("IDBR"), idir = Field("IDIR"), type = Field("IDType"), preferred = Field("PicPref"),
            order = Field("PicOrder"), name = Field("PicName"), folder = Field("IDBPPic");
  const bool done = Walk("IDBR", [&] {
    Entry e;
    e.idir = table_->FieldInt(idir);
    if (e.idir <= 0) return false;
    e.idbr = table_->FieldInt(idbr);
    e.type = table_->FieldInt(type);
    e.preferred = table_->FieldInt(preferred);
    e.order = table_->FieldInt(order);
    e.folder = table_->FieldInt(folder);
    e.name = table_->FieldText(name).substr(0, 255);
    entries_.push_back(std::move(e));
    return true;
  });
  if (!done) return false;
  std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    return a.idir != b.idir ? a.idir < b.idir : a.order < b.order;
  });
  UseSeekIndex();
  return true;
}

std::vector<const WLEGTabBR::Entry*> WLEGTabBR::PicturesOf(int32_t idir) const {
  std::vector<const Entry*> list;
  auto it = std::lower_bound(entries_.begin(), entries_.end(), idir,
                             [](const Entry& e, int32_t id) { return e.idir < id; });
  for (; it != entries_.end() && it->idir == idir && list.size() < kMaxPictures; ++it)
    if (it->type == 0) list.push_back(&*it);
  return list;
}
