#pragma once

#include <memory>
#include <string>

#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

class WTMG5Collection;

// The place of an event in a 5.x project, by its identifier (PLACENUM, the place's RECNO in the
// places table): parts 1 to 10 are dictionary texts (PD) that the place lookup ties to it, taken
// as stored.  Part 1
// is never filled; parts 2 to 9 are detail, city, county, state, country, postal code, phone
// and latitude/longitude as sentences name them.
class WTMG5Place : public WABSPlace {
 public:
  WTMG5Place(WTMG5Collection& collection, int place_id);

  // Parts 2 to 6, the non-empty ones joined with ", " (the collection keeps it once made).
  std::string GetName() override;
  std::unique_ptr<WABSCitation> GetCitation(int) override { return nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

  // Part k (1 to 10); empty when missing.
  std::string Part(int k);
  // Parts from..to, the non-empty ones joined with ", ".
  std::string JoinParts(int from, int to);

 private:
  WTMG5Collection& collection_;
  int place_id_;
};
