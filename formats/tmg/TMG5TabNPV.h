#pragma once

#include "formats/tmg/TMGTable.h"

// The part values of a 5.x project's names (NPV): one row per part of a name, naming the name
// (RECNO, the name's RECNO), the part's text in the dictionary (UID) and what the part is (TYPE).
// Read once at import into a lookup.
class WTMG5TabNPV : public WTMGTable {
 public:
  explicit WTMG5TabNPV(Opened opened);

  int Owner(int pos) const { return PosInt(pos, recno_); }
  int Uid(int pos) const { return PosInt(pos, uid_); }
  int Type(int pos) const { return PosInt(pos, type_); }

 private:
  int recno_, uid_, type_;
};
