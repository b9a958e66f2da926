#pragma once

#include <string>

#include "formats/tmg/TMGTable.h"

// The places (P), keyed by RECNO: each a memo of parts separated by "$!&".
class WTMGTabP : public WTMGTable {
 public:
  explicit WTMGTabP(Opened opened);

  std::string PlaceMemo(int pos) const { return PosMemo(pos, place_); }

 private:
  int place_;
};
