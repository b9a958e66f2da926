#pragma once

#include <memory>
#include <string>

#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

// A place: the "Location" of a "TBLLR" row or the "Temple" of a "TBLTR" row, read by whoever
// made it.  No citations, no note.
class WLEGPlace : public WABSPlace {
 public:
  explicit WLEGPlace(std::string name) : name_(std::move(name)) {}

  std::string GetName() override { return name_; }
  std::unique_ptr<WABSCitation> GetCitation(int) override { return nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

 private:
  std::string name_;
};
