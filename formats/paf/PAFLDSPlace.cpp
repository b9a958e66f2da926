#include "formats/paf/PAFLDSPlace.h"

WPAFLDSPlace::WPAFLDSPlace(WPAFCollection& collection, uint64_t ordinance)
    : WPAFPlace(collection, 0), ordinance_(ordinance) {}

void WPAFLDSPlace::LoadCitations() {
  citations_loaded_ = true;
  citations_.clear();
  citation_count_ = 0;
}
