#pragma once

#include <memory>
#include <string>

#include "formats/paf/PAFMarriage.h"

// A family of version 5 (106-byte marriage record): the marriage event's place is one text.
class WPAF5Marriage : public WPAFMarriage {
 public:
  using WPAFMarriage::WPAFMarriage;

  std::string GetPlaceText() override;

 protected:
  std::unique_ptr<WABSLDSEvent> NewSealing(uint64_t ordinance) override;
};
