#pragma once

#include <string>

#include "formats/paf/PAF34Name.h"

// The name of a version 3 individual: no prefix.
class WPAF3Name : public WPAF34Name {
 public:
  using WPAF34Name::WPAF34Name;

  std::string GetPrefix() override { return std::string(); }
};
