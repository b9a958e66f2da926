#pragma once

#include <string>

#include "formats/tmg/TMGTable.h"

// The source types (A), each with its footnote template.
class WTMGTabA : public WTMGTable {
 public:
  explicit WTMGTabA(Opened opened);

  // The footnote template of the first row of that source type; empty when none.
  std::string FootFormOfType(int type) const;

 private:
  int sourtype_, foot_;
};
