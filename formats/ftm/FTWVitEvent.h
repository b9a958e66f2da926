#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "formats/ftm/FTWCitation.h"
#include "model/ABSNote.h"
#include "model/ABSVitEvent.h"

class WFTWCollection;

// An event of a Family Tree Maker person: birth or death from the person's record, or a
// fact (christening, burial or any other) from its data slot.  The type name of an other
// event is its fact's name.
class WFTWVitEvent : public WABSVitEvent {
 public:
  // `key` is the fact's key (0 for birth and death); `citation_slot` the slot of its
  // citation text (0 for none), read at once.
  WFTWVitEvent(WFTWCollection& collection, int kind, int key, uint32_t first_word, uint32_t second_word,
               int32_t place_slot, int32_t citation_slot);

  void LoadDate() override;
  std::unique_ptr<WABSPlace> GetPlace() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  bool HasNote() override { return false; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

 private:
  WFTWCollection& collection_;
  uint32_t first_word_;  // 0 when the event has no date
  uint32_t second_word_;
  int32_t place_slot_;
  std::vector<CitationRec> citations_;
};
