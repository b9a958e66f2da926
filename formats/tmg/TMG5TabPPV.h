#pragma once

#include "formats/tmg/TMG5TabNPV.h"

// The part values of a 5.x project's places (PPV): the same layout as the name part values,
// RECNO naming a place.
class WTMG5TabPPV : public WTMG5TabNPV {
 public:
  using WTMG5TabNPV::WTMG5TabNPV;
};
