#pragma once

#include <memory>
#include <string>

#include "formats/paf/PAFLDSPlace.h"

// The temple of a version 5 ordinance: the text at the pointer at 12.
class WPAF5LDSPlace : public WPAFLDSPlace {
 public:
  using WPAFLDSPlace::WPAFLDSPlace;

  std::string GetName() override;
  std::unique_ptr<WABSNote> GetNote() override;
};
