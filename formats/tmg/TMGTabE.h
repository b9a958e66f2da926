#pragma once

#include <string>

#include "formats/tmg/TMGTable.h"

// The witnesses (E), keyed by the witness (EPER): who took part in which event (GNUM, an
// event's RECNO), with the witness's own sentence.  Rows flagged PRIMARY are the principals'.
class WTMGTabE : public WTMGTable {
 public:
  explicit WTMGTabE(Opened opened);

  int Person(int pos) const { return PosInt(pos, eper_); }
  int Event(int pos) const { return PosInt(pos, gnum_); }
  bool IsPrimary(int pos) const { return PosFlag(pos, primary_); }
  int SentenceBlock(int pos) const { return PosInt(pos, wsentence_); }
  std::string SentenceMemo(int pos) const { return PosMemo(pos, wsentence_); }

 private:
  int eper_, gnum_, primary_, wsentence_;
};
