#pragma once

#include <string>

#include "formats/tmg/TMGEventOrder.h"
#include "formats/tmg/TMGTable.h"

// The events (G), keyed by RECNO, with the event order: every event sorted by its first
// principal, its sort date and its second principal, so that one person's events are one run.
class WTMGTabG : public WTMGTable {
 public:
  explicit WTMGTabG(Opened opened);

  // Sorts the events; false when the import was cancelled.
  bool BuildOrder();
  const WTMGEventOrder& Order() const { return order_; }
  // The first sorted index of the person's events; 0 when none.
  int FirstEventOf(int person_id) const { return person_id > 0 ? order_.FirstOf(person_id) : 0; }

  int Type(int pos) const { return PosInt(pos, etype_); }
  int Per1(int pos) const { return PosInt(pos, per1_); }
  int Per2(int pos) const { return PosInt(pos, per2_); }
  // The 30-character dates as stored.
  std::string DateText(int pos) const { return PosText(pos, edate_); }
  std::string SortDateText(int pos) const { return PosText(pos, srtdate_); }
  // The sort date's bytes in the table (valid while the table is open).
  std::string_view SortDateBytes(int pos) const { return PosBytes(pos, srtdate_); }
  int RecNo(int pos) const { return PosInt(pos, recno_); }
  int PlaceNum(int pos) const { return PosInt(pos, placenum_); }
  int FootBlock(int pos) const { return PosInt(pos, efoot_); }
  std::string FootMemo(int pos) const { return PosMemo(pos, efoot_); }

 private:
  int etype_, per1_, per2_, edate_, srtdate_, recno_, placenum_, efoot_;
  WTMGEventOrder order_;
};
