#pragma once

#include <string>

#include "formats/tmg/TMGTable.h"

// The sources (M), keyed by MAJNUM.
class WTMGTabM : public WTMGTable {
 public:
  explicit WTMGTabM(Opened opened);

  // The source type, whose footnote form stands in when the source has none of its own.
  int Type(int pos) const { return PosInt(pos, type_); }
  // The source's elements separated by "$!&".
  std::string InfoMemo(int pos) const { return PosMemo(pos, info_); }
  int FootFormBlock(int pos) const { return PosInt(pos, fform_); }
  std::string FootFormMemo(int pos) const { return PosMemo(pos, fform_); }
  std::string TitleMemo(int pos) const { return PosMemo(pos, title_); }
  std::string TextMemo(int pos) const { return PosMemo(pos, text_); }
  std::string Abbreviation(int pos) const { return PosTrimmed(pos, abbrev_); }

 private:
  int type_, info_, fform_, title_, text_, abbrev_;
};
