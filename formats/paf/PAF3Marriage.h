#pragma once

#include <memory>

#include "formats/paf/PAF34Marriage.h"

// A family of version 3; its sealing is a WPAF3LDSEvent.
class WPAF3Marriage : public WPAF34Marriage {
 public:
  using WPAF34Marriage::WPAF34Marriage;

 protected:
  std::unique_ptr<WABSLDSEvent> NewSealing(uint64_t ordinance) override;
};
