#pragma once

#include "formats/paf/PAFVitEvent.h"

// An event of versions 3 and 4 (38 bytes): a 6-byte date, four place parts and the first
// citation at 26.  The versions differ in the place object they return.
class WPAF34VitEvent : public WPAFVitEvent {
 public:
  using WPAFVitEvent::WPAFVitEvent;
};
