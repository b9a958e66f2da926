#pragma once

#include <string>

#include "formats/paf/PAFMarriage.h"

// A family of version 3 or 4 (110-byte marriage record): the marriage event's place has four
// parts.
class WPAF34Marriage : public WPAFMarriage {
 public:
  using WPAFMarriage::WPAFMarriage;

  std::string GetPlaceText() override;
};
