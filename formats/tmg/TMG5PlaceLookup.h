#pragma once

#include "formats/tmg/TMG5PartLookup.h"

// The parts of every place of a 5.x project, by the place's RECNO, from the PPV table: part type
// k from 2 to 10 is place part k, kept in slot k - 2 of nine.  Part 1 (and any other type) has
// no slot, so it is always empty.
class WTMG5PlaceLookup : public WTMG5PartLookup {
 public:
  static constexpr int kFirstPart = 2;
  static constexpr int kLastPart = 10;

  WTMG5PlaceLookup() : WTMG5PartLookup(kLastPart - kFirstPart + 1) {}

  // The dictionary UID of part k (1 to 10) of the place; 0 when none.
  int32_t Uid(int32_t place_recno, int k) const;

 protected:
  int SlotOfType(int32_t type) const override;
};
