#pragma once

#include "formats/paf/PAFCitation.h"

// A citation of version 5; the source it names is a version 5 source.
class WPAF5Citation : public WPAFCitation {
 public:
  using WPAFCitation::WPAFCitation;
};
