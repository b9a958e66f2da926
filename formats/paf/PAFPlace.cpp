#include "formats/paf/PAFPlace.h"

#include "formats/paf/PAFCollection.h"
#include "model/ABSCitation.h"

WPAFPlace::WPAFPlace(WPAFCollection& collection, uint64_t citations)
    : collection_(collection), view_(collection.View()), first_citation_(citations) {}

void WPAFPlace::LoadCitations() {
  if (citations_loaded_) return;
  citations_loaded_ = true;
  if (first_citation_) citations_ = collection_.CitationChain(view_.I32LE(first_citation_));
  citation_count_ = static_cast<int32_t>(citations_.size());
}

int WPAFPlace::CitationCount() {
  LoadCitations();
  return citation_count_;
}

std::unique_ptr<WABSCitation> WPAFPlace::GetCitation(int i) {
  LoadCitations();
  if (i < 1 || i > static_cast<int>(citations_.size())) return nullptr;
  return collection_.NewCitation(citations_[i - 1]);
}
