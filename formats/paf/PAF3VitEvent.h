#pragma once

#include <memory>

#include "formats/paf/PAF34VitEvent.h"

// An event of a version 3 record; its place is a WPAF3VitPlace.
class WPAF3VitEvent : public WPAF34VitEvent {
 public:
  using WPAF34VitEvent::WPAF34VitEvent;

  std::unique_ptr<WABSPlace> GetPlace() override;
};
