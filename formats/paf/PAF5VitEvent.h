#pragma once

#include <memory>

#include "formats/paf/PAFVitEvent.h"

// An event of version 5 (24 bytes): a 12-byte date, the place's text pointer at 12 and the
// first citation at 20.
class WPAF5VitEvent : public WPAFVitEvent {
 public:
  using WPAFVitEvent::WPAFVitEvent;

  std::unique_ptr<WABSPlace> GetPlace() override;
};
