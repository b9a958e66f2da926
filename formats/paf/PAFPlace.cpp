#include "formats/paf/PAFPlace.h"

#include "formats/paf/PAFCollection.h"
#include "model/ABSCitation.h"

WPAFPlace::WPAFPlace(WPAFCollection& collection, uint64_t citations)
    : collection_(collection), view_(collection.View()), first_citation_(citations) {}

void WPAFPlace::LoadCitations() { citation_count_ = citations_.Load(collection_, first_citation_); }

int WPAFPlace::CitationCount() {
  LoadCitations();
  return citation_count_;
}

std::unique_ptr<WABSCitation> WPAFPlace::GetCitation(int i) {
  LoadCitations();
  return citations_.Get(collection_, i);
}
