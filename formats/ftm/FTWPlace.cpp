#include "formats/ftm/FTWPlace.h"

#include "formats/ftm/FTWCollection.h"
#include "model/ABSCitation.h"
#include "model/ABSNote.h"

WFTWPlace::WFTWPlace(const WFTWCollection& collection, int32_t slot) : slot_(slot) {
  if (slot_ > 0) name_ = collection.ReadText(slot_, true);
}
