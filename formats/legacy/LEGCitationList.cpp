#include "formats/legacy/LEGCitationList.h"

#include "formats/legacy/LEGCitation.h"
#include "formats/legacy/LEGCollection.h"
#include "formats/legacy/LEGTabSX.h"

WLEGCitationList::WLEGCitationList(WLEGCollection& collection, int32_t owner, int32_t type)
    : ids_(collection.TabSX().CitationsOf(owner, type)) {}

std::unique_ptr<WABSCitation> WLEGCitationList::Get(WLEGCollection& collection, int i) const {
  if (i < 1 || i > Count()) return nullptr;
  return std::make_unique<WLEGCitation>(collection, ids_[i - 1]);
}
