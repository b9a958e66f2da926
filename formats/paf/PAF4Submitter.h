#pragma once

#include <string>

#include "formats/paf/PAF34Submitter.h"

// The submitter of version 4: the e-mail address at 1600, as stored.
class WPAF4Submitter : public WPAF34Submitter {
 public:
  using WPAF34Submitter::WPAF34Submitter;

  std::string GetEmail() override { return Raw(1600, 61); }
};
