#include "formats/tmg/TMGCitation.h"

#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGNote.h"
#include "formats/tmg/TMGTabM.h"
#include "formats/tmg/TMGTabS.h"
#include "model/ABSSource.h"

WTMGCitation::WTMGCitation(WTMGCollection& collection, int citation_pos)
    : collection_(collection), pos_(citation_pos) {}

std::unique_ptr<WABSNote> WTMGCitation::GetNote() {
  return WTMGNote::FromMemo(collection_.Citations().DetailMemo(pos_));
}

std::unique_ptr<WABSSource> WTMGCitation::GetSource() {
  const int source = collection_.Citations().Source(pos_);
  if (source < 1) return nullptr;
  // A source number no row holds gives no source rather than an empty one.
  const int pos = collection_.Sources().IdToPos(source);
  return pos > 0 ? collection_.GetSource(pos) : nullptr;
}

std::unique_ptr<WABSCitation> WTMGCitation::At(WTMGCollection& collection, const std::vector<int>& citations,
                                               int i) {
  if (i < 1 || static_cast<size_t>(i) > citations.size()) return nullptr;
  return std::make_unique<WTMGCitation>(collection, citations[static_cast<size_t>(i - 1)]);
}
