#pragma once

#include <string>

#include "formats/tmg/TMGTable.h"

// A dictionary table of a 5.x project, keyed by UID: each row one part text (VALUE, a memo),
// shared by every name (ND) or every place (PD) that uses it.
class WTMG5TabND : public WTMGTable {
 public:
  explicit WTMG5TabND(Opened opened);

  // The text of a UID: the VALUE memo of the first row (in index order) holding it, as stored;
  // empty for a UID below 1, one no row holds, or a row without memo.
  std::string PartText(int uid) const;

 private:
  int value_;
};
