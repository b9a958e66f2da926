#include "formats/ftm/FTWLDSEvent.h"

#include "formats/ftm/FTWCollection.h"
#include "formats/ftm/FTWDate.h"
#include "formats/ftm/FTWPlace.h"
#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

WFTWLDSEvent::WFTWLDSEvent(WFTWCollection& collection, int kind, int key, uint32_t date_word,
                           int32_t temple_slot)
    : collection_(collection), date_word_(date_word), temple_slot_(temple_slot) {
  SetKind(kind);
  SetTypeName(collection.FactName(key));
}

void WFTWLDSEvent::LoadDate() {
  if (!date_ && !WFTWDate::IsNone(date_word_)) date_ = std::make_unique<WFTWDate>(date_word_);
}

std::unique_ptr<WABSPlace> WFTWLDSEvent::GetPlace() {
  if (temple_slot_ <= 0) return nullptr;
  return std::make_unique<WFTWPlace>(collection_, temple_slot_);
}
