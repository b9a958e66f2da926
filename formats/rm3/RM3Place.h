#pragma once

#include <memory>
#include <string>

#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

class WRM3Collection;

// The place of an event: a row of table P by its PLACEID, or for an LDS ordinance whose place
// type is "T" or "t" one of the temples by its number.
class WRM3Place : public WABSPlace {
 public:
  WRM3Place(const WRM3Collection& collection, int place_id, const std::string& place_type = std::string())
      : collection_(collection), place_id_(place_id), place_type_(place_type) {}

  std::string GetName() override;
  std::unique_ptr<WABSCitation> GetCitation(int) override { return nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

 private:
  const WRM3Collection& collection_;
  int place_id_;
  std::string place_type_;
};
