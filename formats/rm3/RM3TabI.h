#pragma once

#include <string>

#include "formats/rm3/RM3DBF.h"

// Table I: people, keyed by PersonID.
class WRM3TabI : public WRM3DBF {
 public:
  static constexpr const char* kKey = "PersonID";

  WRM3TabI(const std::string& directory, const std::string& baseName);

  int PersonId(int pos) const { return PosInt(pos, person_); }
  // 'M' or 'F' when the Sex field begins with that letter, 'U' otherwise.
  char Sex(int pos) const;
  std::string Prefix(int pos) const { return TrimmedText(pos, prefix_); }
  std::string Given(int pos) const { return TrimmedText(pos, given_); }
  std::string Surname(int pos) const { return TrimmedText(pos, surname_); }
  std::string Suffix(int pos) const { return TrimmedText(pos, suffix_); }
  std::string NickName(int pos) const { return TrimmedText(pos, nickname_); }
  std::string EditDate(int pos) const { return PosText(pos, edit_date_); }
  // The Living field begins with "Y" (or, in a logical field, holds true: "T").
  bool IsLiving(int pos) const;
  std::string Note(int pos) const { return MemoText(pos, note_); }

 private:
  int person_, sex_, prefix_, given_, surname_, suffix_, edit_date_, living_, note_, nickname_;
};
