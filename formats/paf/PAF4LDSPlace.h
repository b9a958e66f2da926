#pragma once

#include <string>

#include "formats/paf/PAF34LDSPlace.h"

// The temple of a version 4 ordinance.  Without a temple it shows the four-part place of the
// person's extension record X (none for a family's sealing).
class WPAF4LDSPlace : public WPAF34LDSPlace {
 public:
  // `extension`: the file offset of X, 0 when there is none.
  WPAF4LDSPlace(WPAFCollection& collection, uint64_t ordinance, uint64_t extension);

 protected:
  std::string FallbackPlace() override;

 private:
  uint64_t extension_;
};
