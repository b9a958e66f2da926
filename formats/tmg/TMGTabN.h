#pragma once

#include <string>

#include "formats/tmg/TMGTable.h"

// The names table (N), keyed by the person (NPER); a person has one or more names.
class WTMGTabN : public WTMGTable {
 public:
  explicit WTMGTabN(Opened opened);

  int RecNo(int pos) const { return PosInt(pos, recno_); }
  int Person(int pos) const { return PosInt(pos, nper_); }
  // The name's parts separated by "$!&": surname, prefix, given names, suffix.
  std::string NameMemo(int pos) const { return PosMemo(pos, name_); }
  int NoteBlock(int pos) const { return PosInt(pos, nnote_); }
  std::string NoteMemo(int pos) const { return PosMemo(pos, nnote_); }
  // The tag type of an alternate name.
  int AltType(int pos) const { return PosInt(pos, altype_); }
  bool IsPrimary(int pos) const { return PosFlag(pos, primary_); }
  // The 30-character date as stored.
  std::string DateText(int pos) const { return PosText(pos, ndate_); }
  int SentenceBlock(int pos) const { return PosInt(pos, sentence_); }
  std::string SentenceMemo(int pos) const { return PosMemo(pos, sentence_); }

 private:
  int recno_, name_, nnote_, altype_, primary_, nper_, ndate_, sentence_;
};
