#pragma once

#include <string>

#include "formats/paf/PAF34Submitter.h"

// The submitter of version 3: no e-mail.
class WPAF3Submitter : public WPAF34Submitter {
 public:
  using WPAF34Submitter::WPAF34Submitter;

  std::string GetEmail() override { return std::string(); }
};
