#include "formats/ftm/FTWVitEvent.h"

#include "formats/ftm/FTWCollection.h"
#include "formats/ftm/FTWDate.h"
#include "formats/ftm/FTWPlace.h"
#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

WFTWVitEvent::WFTWVitEvent(WFTWCollection& collection, int kind, int key, uint32_t first_word,
                           uint32_t second_word, int32_t place_slot, int32_t citation_slot)
    : collection_(collection),
      first_word_(WFTWDate::IsNone(first_word) ? 0 : first_word),
      second_word_(second_word),
      place_slot_(place_slot) {
  SetKind(kind);
  static const char* const kVitalNames[] = {"Birth", "Death", "Christening", "Burial"};
  if (kind >= evBirth && kind <= evBurial)
    SetTypeName(kVitalNames[kind - evBirth]);
  else if (kind == evOther)
    SetTypeName(collection.FactName(key));
  if (citation_slot > 0) collection.ReadCitations(citation_slot, citations_);
  citation_count_ = static_cast<int32_t>(citations_.size());
}

void WFTWVitEvent::LoadDate() {
  if (!date_ && first_word_ != 0) date_ = std::make_unique<WFTWDate>(first_word_, second_word_);
}

std::unique_ptr<WABSPlace> WFTWVitEvent::GetPlace() {
  if (place_slot_ <= 0) return nullptr;
  return std::make_unique<WFTWPlace>(collection_, place_slot_);
}

std::unique_ptr<WABSCitation> WFTWVitEvent::GetCitation(int i) {
  return WFTWCitation::ItemAt(collection_, citations_, i);
}
