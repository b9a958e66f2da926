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
  citation_count_ = citations_.Load(collection_, ordinance_ + collection_.Layout().ordinance_citation);
}

int WPAFLDSEvent::CitationCount() {
  LoadCitations();
  return citation_count_;
}

std::unique_ptr<WABSCitation> WPAFLDSEvent::GetCitation(int i) {
  LoadCitations();
  return citations_.Get(collection_, i);
}
