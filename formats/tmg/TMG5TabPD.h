#pragma once

#include "formats/tmg/TMG5TabND.h"

// The place part dictionary (PD): the same layout as the name part dictionary.
class WTMG5TabPD : public WTMG5TabND {
 public:
  using WTMG5TabND::WTMG5TabND;
};
