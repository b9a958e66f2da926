#pragma once

#include <memory>
#include <string>

#include "formats/paf/PAFLDSPlace.h"

// The temple of a version 3 or 4 ordinance: the text at the pointer at 6, as stored; the
// ordinance's note (link at 14) is the place's note too.
class WPAF34LDSPlace : public WPAFLDSPlace {
 public:
  using WPAFLDSPlace::WPAFLDSPlace;

  // The temple; when the ordinance names none, the version's fallback place.
  std::string GetName() override;
  std::unique_ptr<WABSNote> GetNote() override;

 protected:
  // What is shown when the ordinance names no temple.
  virtual std::string FallbackPlace() { return std::string(); }
};
