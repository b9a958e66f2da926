#pragma once

#include <cstdint>

#include "base/ABSArrayIndex.h"

// The events chosen for each person, computed once per collection when first needed and shared
// by every individual object made for that person.  One entry per person position.
class WTMGPrimeEventArray : public WABSArrayIndex {
 public:
  struct Entry {
    int32_t first_event = -1;  // first sorted event index of the person; -1: not yet computed
    int32_t birth = 0;         // event positions, 0 = none
    int32_t christening = 0;
    int32_t death = 0;
    int32_t burial = 0;
    int32_t lds_baptism = 0;
    int32_t endowment = 0;
    int32_t sealing_to_parents = 0;
    // The tag types of the three LDS events, by which they are named.
    int32_t lds_baptism_type = 0;
    int32_t endowment_type = 0;
    int32_t sealing_type = 0;

    bool Computed() const { return first_event >= 0; }
  };

  // `count` entries, none computed yet.
  explicit WTMGPrimeEventArray(int32_t count);

  // The entry of person position p; a not-computed entry outside 1..Count.
  Entry Get(int32_t p) const;
  void Put(int32_t p, const Entry& entry);
};
