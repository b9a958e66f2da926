#pragma once

#include <memory>

#include "formats/paf/PAF34Marriage.h"

// A family of version 4; its sealing is a WPAF4LDSEvent without an extension record.
class WPAF4Marriage : public WPAF34Marriage {
 public:
  using WPAF34Marriage::WPAF34Marriage;

 protected:
  std::unique_ptr<WABSLDSEvent> NewSealing(uint64_t ordinance) override;
};
