#include "formats/paf/PAFLDSPlace.h"

WPAFLDSPlace::WPAFLDSPlace(WPAFCollection& collection, uint64_t ordinance)
    : WPAFPlace(collection, 0), ordinance_(ordinance) {}

void WPAFLDSPlace::LoadCitations() { citation_count_ = 0; }
