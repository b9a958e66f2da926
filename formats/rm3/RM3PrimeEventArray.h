#pragma once

#include <array>
#include <cstdint>

#include "base/ABSArrayIndex.h"

class WRM3TabE;

// Per person, the events chosen for the fixed slots (birth, christening, death, burial, the
// three LDS ordinances, and the events of fact types 34 and 35), found on first need and
// shared by every individual object of the person.
//
// An entry is kept in 16 bytes: the index of the person's first event in the event order,
// and for each slot the distance of its event from that index (+1; 0: none).  A person with
// more than 254 events after the first keeps no entry: it is found anew at every request.
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
  // Event positions in table E by slot (0: none); kFirstEvent holds the index of the person's
  // first event in the event order.
  using Entry = std::array<int32_t, kSlotCount>;

  // One entry per person position, none of them computed yet.
  explicit WRM3PrimeEventArray(int32_t person_count);

  // The entry of the person at that position (whose PersonID is id), computed from the
  // events when first asked; all zero for a position out of range.
  Entry Get(int32_t person, int32_t id, const WRM3TabE& events);

  // The slot a person event of that fact type fills; kFirstEvent when none.
  static Slot SlotOfType(int event_type);

 private:
  struct Stored {
    int32_t first;                    // 0: not computed; -1: no events; else the index
    uint8_t offsets[kSlotCount - 1];  // order index - first + 1 of each slot's event; 0 none
    uint8_t unused[16 - 4 - (kSlotCount - 1)];
  };
  static_assert(sizeof(Stored) == 16);

  // The chosen order indexes of a person (0: none), or false when the person's events
  // reach too far to be stored.
  static bool Pack(const Entry& indexes, Stored& stored);
  static Entry Unpack(const Stored& stored, const WRM3TabE& events);
  // The positions of the events at the chosen order indexes.
  static Entry ToPositions(const Entry& indexes, const WRM3TabE& events);
  // The order index of each slot's event instead of its position.
  static Entry ComputeIndexes(int32_t id, const WRM3TabE& events);
};
