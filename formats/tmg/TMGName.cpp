#include "formats/tmg/TMGName.h"

#include "base/TextUtils.h"
#include "formats/tmg/TMGCitation.h"
#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGNote.h"
#include "formats/tmg/TMGTabN.h"
#include "formats/tmg/TMGTabS.h"

WTMGName::WTMGName(WTMGCollection& collection, int name_pos) : collection_(collection), pos_(name_pos) {
  citations_ = collection.Citations().CitationsOf('N', collection.Names().RecNo(name_pos));
  citation_count_ = static_cast<int32_t>(citations_.size());
}

std::string WTMGName::Part(size_t i) {
  if (!parts_read_) {
    parts_read_ = true;
    parts_ = WTMGTable::SplitParts(collection_.Names().NameMemo(pos_));
  }
  return i < parts_.size() ? TrimText(parts_[i]) : std::string();
}

std::unique_ptr<WABSCitation> WTMGName::GetCitation(int i) {
  return WTMGCitation::At(collection_, citations_, i);
}

std::unique_ptr<WABSNote> WTMGName::GetNote() {
  return WTMGNote::FromMemo(collection_.Names().NoteMemo(pos_));
}
