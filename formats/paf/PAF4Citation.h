#pragma once

#include "formats/paf/PAFCitation.h"

// A citation of version 4; the source it names is a version 4 source.
class WPAF4Citation : public WPAFCitation {
 public:
  using WPAFCitation::WPAFCitation;
};
