#include "formats/legacy/LEGTabInd.h"

#include <algorithm>

#include "base/Settings.h"

bool WLEGTabInd::Load() {
  names_cached_ = Settings().GetBool(WSettings::LEGCacheNames);
  const int idir = Field("IDIR");
  const int surname = Field("Surname"), given = Field("givenname"), prefix = Field("prefix"),
            title = Field("title");
  const bool done = Walk("IDIR", [&] {
    Entry e;
    e.idir = table_->FieldInt(idir);
    if (e.idir == 0) return false;
    if (names_cached_) {
      e.surname = table_->FieldText(surname).substr(0, kNameCut);
      e.given = table_->FieldText(given).substr(0, kNameCut);
      e.prefix = table_->FieldText(prefix).substr(0, kTitleCut);
      e.title = table_->FieldText(title).substr(0, kTitleCut);
    }
    entries_.push_back(std::move(e));
    return true;
  });
  if (!done) return false;
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const Entry& a, const Entry& b) { return a.idir < b.idir; });
  UseSeekIndex();
  return true;
}

int WLEGTabInd::NumberOf(int32_t idir) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), idir,
                             [](const Entry& e, int32_t id) { return e.idir < id; });
  return it != entries_.end() && it->idir == idir ? static_cast<int>(it - entries_.begin()) + 1 : 0;
}
