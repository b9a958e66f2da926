#pragma once

#include "formats/paf/PAFCitation.h"

// A citation of version 3; the source it names is a version 3 source.
class WPAF3Citation : public WPAFCitation {
 public:
  using WPAFCitation::WPAFCitation;
};
