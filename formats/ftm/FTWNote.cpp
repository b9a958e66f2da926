#include "formats/ftm/FTWNote.h"

#include "formats/ftm/FTWCollection.h"

WFTWNote::WFTWNote(const WFTWCollection& collection, int32_t n) { AddLine(collection.ReadNote(n)); }
