#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

class WFTWCollection;

// The place of a Family Tree Maker event (or an ordinance's temple): a text in the slot
// store, read when the place is made.
class WFTWPlace : public WABSPlace {
 public:
  WFTWPlace(const WFTWCollection& collection, int32_t slot);

  std::string GetName() override { return name_; }
  std::unique_ptr<WABSCitation> GetCitation(int) override { return nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

 private:
  int32_t slot_;
  std::string name_;
};
