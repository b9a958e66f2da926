#pragma once

#include <string>

#include "formats/paf/PAF34Name.h"

// The name of a version 4 individual: the title in the extension record X is its prefix.
class WPAF4Name : public WPAF34Name {
 public:
  // `extension`: the file offset of X, 0 when it cannot be located.
  WPAF4Name(WPAFCollection& collection, uint64_t record, uint64_t extension);

  std::string GetPrefix() override;

 private:
  uint64_t extension_;
};
