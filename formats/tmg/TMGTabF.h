#pragma once

#include "formats/tmg/TMGTable.h"

// The parent-child relationships (F): a child, a parent and the relationship's tag type.
class WTMGTabF : public WTMGTable {
 public:
  explicit WTMGTabF(Opened opened);

  int Child(int pos) const { return PosInt(pos, child_); }
  int Parent(int pos) const { return PosInt(pos, parent_); }
  int Type(int pos) const { return PosInt(pos, ptype_); }

 private:
  int child_, parent_, ptype_;
};
