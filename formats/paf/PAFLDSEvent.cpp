#include "formats/paf/PAFLDSEvent.h"

#include "base/Date.h"
#include "formats/paf/PAFCollection.h"
#include "model/ABSCitation.h"

WPAFLDSEvent::WPAFLDSEvent(WPAFCollection& collection, uint64_t ordinance)
    : collection_(collection), view_(collection.View()), ordinance_(ordinance) {}

void WPAFLDSEvent::LoadDate() {
  if (!date_ && view_.I32LE(ordinance_) != 0) date_ = collection_.NewDate(ordinance_);
}

void WPAFLDSEvent::LoadCitations() {
  if (citations_loaded_) return;
  citations_loaded_ = true;
  citations_ = collection_.CitationChain(view_.I32LE(ordinance_ + collection_.Layout().ordinance_citation));
  citation_count_ = static_cast<int32_t>(citations_.size());
}

int WPAFLDSEvent::CitationCount() {
  LoadCitations();
  return citation_count_;
}

std::unique_ptr<WABSCitation> WPAFLDSEvent::GetCitation(int i) {
  LoadCitations();
  if (i < 1 || i > static_cast<int>(citations_.size())) return nullptr;
  return collection_.NewCitation(citations_[i - 1]);
}
