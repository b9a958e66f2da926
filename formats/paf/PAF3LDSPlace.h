#pragma once

#include "formats/paf/PAF34LDSPlace.h"

// The temple of a version 3 ordinance.
class WPAF3LDSPlace : public WPAF34LDSPlace {
 public:
  using WPAF34LDSPlace::WPAF34LDSPlace;
};
