#include "formats/paf/PAFVitPlace.h"

#include "formats/paf/PAFCollection.h"
#include "model/ABSNote.h"

WPAFVitPlace::WPAFVitPlace(WPAFCollection& collection, uint64_t event)
    : WPAFPlace(collection, event + collection.Layout().event_citation), event_(event) {}

std::unique_ptr<WABSNote> WPAFVitPlace::GetNote() { return nullptr; }
