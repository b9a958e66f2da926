#pragma once

#include <memory>

#include "formats/paf/PAF34VitEvent.h"

// An event of a version 4 record; its place is a WPAF4VitPlace.
class WPAF4VitEvent : public WPAF34VitEvent {
 public:
  using WPAF34VitEvent::WPAF34VitEvent;

  std::unique_ptr<WABSPlace> GetPlace() override;
};
