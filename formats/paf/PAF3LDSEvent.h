#pragma once

#include <memory>

#include "formats/paf/PAF34LDSEvent.h"

// An ordinance of version 3; its temple is a WPAF3LDSPlace.
class WPAF3LDSEvent : public WPAF34LDSEvent {
 public:
  using WPAF34LDSEvent::WPAF34LDSEvent;

 protected:
  std::unique_ptr<WABSPlace> NewPlace() override;
};
