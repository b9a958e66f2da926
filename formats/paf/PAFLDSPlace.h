#pragma once

#include <memory>

#include "formats/paf/PAFPlace.h"

// The temple of an ordinance.  It reports no citations of its own.
class WPAFLDSPlace : public WPAFPlace {
 public:
  // On the ordinance bytes at `ordinance`.
  WPAFLDSPlace(WPAFCollection& collection, uint64_t ordinance);

  void LoadCitations() override;

 protected:
  uint64_t ordinance_;
};
