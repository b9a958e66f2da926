#pragma once

#include <memory>

#include "formats/paf/PAF34LDSEvent.h"

// An ordinance of version 4.  It keeps the person's extension record X (0 for a family's
// sealing), whose place its temple falls back to.
class WPAF4LDSEvent : public WPAF34LDSEvent {
 public:
  WPAF4LDSEvent(WPAFCollection& collection, uint64_t ordinance, uint64_t extension);

 protected:
  std::unique_ptr<WABSPlace> NewPlace() override;

 private:
  uint64_t extension_;
};
