#pragma once

#include <array>
#include <cstdint>

#include "base/ABSArrayIndex.h"

class WRM3TabE;

// Per person, the events chosen for the fixed slots (birth, christening, death, burial, the
// three LDS ordinances, and the events of fact types 34 and 35), found once on first need
// and shared by every individual object of the person.  An entry holds event positions in
// table E (0: none) and the index of the person's first event in the event order.
class WRM3PrimeEventArray : public WABSArrayIndex {
 public:
  enum Slot : int {
    kFirstEvent = 0,
    kBirth,
    kChristening,
    kDeath,
    kBurial,
    kLDSBaptism,
    kEndowment,
    kSealingToParents,
    kType34,
    kType35,
    kSlotCount
  };
  using Entry = std::array<int32_t, kSlotCount>;

  // One entry per person position, none of them computed yet.
  explicit WRM3PrimeEventArray(int32_t person_count);

  // The entry of the person at that position (whose PersonID is id), computed from the
  // events when first asked; all zero for a position out of range.
  Entry Get(int32_t person, int32_t id, const WRM3TabE& events);

  // The slot a person event of that fact type fills; kFirstEvent when none.
  static Slot SlotOfType(int event_type);

 private:
  static Entry Compute(int32_t id, const WRM3TabE& events);
};
