#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

class WTMGCollection;

// The place of an event: a row of the places table found by its identifier (PLACENUM).  Its
// memo holds the parts separated by "$!&" (address, detail, city, county, state, country, postal
// code, phone, latitude/longitude); the place's name is the non-empty parts, trimmed, joined
// with ", " (a part beginning with "^" loses its first two characters).
class WTMGPlace : public WABSPlace {
 public:
  WTMGPlace(WTMGCollection& collection, int place_id);

  std::string GetName() override;
  std::unique_ptr<WABSCitation> GetCitation(int) override { return nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

  // The place's name from its memo.
  static std::string TextOfMemo(std::string_view memo);
  // Part k (1-based) of the memo as stored, not trimmed; empty when missing.
  static std::string PartOfMemo(std::string_view memo, int k);

 private:
  WTMGCollection& collection_;
  int place_id_;
};
