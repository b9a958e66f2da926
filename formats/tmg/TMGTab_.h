#pragma once

#include <string>

#include "formats/tmg/TMGTable.h"

// The people table ($), keyed by PER_NO.
class WTMGTab_ : public WTMGTable {
 public:
  explicit WTMGTab_(Opened opened);

  int PerNo(int pos) const { return PosInt(pos, per_no_); }
  // 'F' or 'M' by the first letter of SEX; 'U' otherwise.
  char Sex(int pos) const;
  // LIVING starts with "Y".
  bool IsLiving(int pos) const { return PosChar(pos, living_) == 'Y'; }
  // The 30-character birth and death dates as stored.
  std::string BirthText(int pos) const { return PosText(pos, pbirth_); }
  std::string DeathText(int pos) const { return PosText(pos, pdeath_); }
  std::string Reference(int pos) const { return PosTrimmed(pos, reference_); }
  // The 8-character change date as stored.
  std::string LastEdit(int pos) const { return PosText(pos, last_edit_); }
  int Father(int pos) const { return PosInt(pos, father_); }
  int Mother(int pos) const { return PosInt(pos, mother_); }

 private:
  int sex_, living_, per_no_, pbirth_, pdeath_, reference_, last_edit_, father_, mother_;
};
