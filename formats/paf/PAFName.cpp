#include "formats/paf/PAFName.h"

#include "formats/paf/PAFCollection.h"
#include "model/ABSCitation.h"
#include "model/ABSNote.h"

WPAFName::WPAFName(WPAFCollection& collection, uint64_t record)
    : collection_(collection), view_(collection.View()), record_(record) {}

std::unique_ptr<WABSCitation> WPAFName::GetCitation(int) { return nullptr; }

std::unique_ptr<WABSNote> WPAFName::GetNote() { return nullptr; }
