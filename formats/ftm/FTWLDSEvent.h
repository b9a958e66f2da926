#pragma once

#include <cstdint>
#include <memory>

#include "model/ABSCitation.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSNote.h"

class WFTWCollection;

// An LDS ordinance of a Family Tree Maker person (baptism, endowment, sealing to parents):
// a fact whose data slot holds the date word and the temple's text slot.  Its type name is
// the fact's name.
class WFTWLDSEvent : public WABSLDSEvent {
 public:
  WFTWLDSEvent(WFTWCollection& collection, int kind, int key, uint32_t date_word, int32_t temple_slot);

  void LoadDate() override;
  std::unique_ptr<WABSPlace> GetPlace() override;
  std::unique_ptr<WABSCitation> GetCitation(int) override { return nullptr; }
  bool HasNote() override { return false; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

 private:
  WFTWCollection& collection_;
  uint32_t date_word_;
  int32_t temple_slot_;
};
