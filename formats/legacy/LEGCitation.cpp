#include "formats/legacy/LEGCitation.h"

#include "formats/legacy/LEGCollection.h"
#include "formats/legacy/LEGNote.h"
#include "formats/legacy/LEGSource.h"
#include "formats/legacy/LEGTabSX.h"

WLEGCitation::WLEGCitation(WLEGCollection& collection, int32_t idsx) : collection_(collection) {
  WLEGTabSX& table = collection.TabSX();
  if (table.Seek(idsx)) {
    detail_ = table.Text("SrcDetail");
    idsr_ = table.Int("IDSR");
  }
}

std::string WLEGCitation::GetDetail() { return std::string(); }

std::unique_ptr<WABSNote> WLEGCitation::GetNote() { return WLEGNote::From(detail_); }

std::unique_ptr<WABSSource> WLEGCitation::GetSource() {
  return std::make_unique<WLEGSource>(collection_, idsr_);
}
