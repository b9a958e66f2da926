#pragma once

#include <string>
#include <string_view>

#include "formats/tmg/TMGEventSent.h"

class WTMG5Collection;

// An event of a 5.x project told as a sentence: as in 4.x, except that the principal's witness
// sentence counts only when it holds text, every "$!&" of the template reads as a blank, memo
// variables leave out the memo's brace groups, and [L] names every part of the place.
class WTMG5EventSent : public WTMGEventSent {
 public:
  WTMG5EventSent(WTMG5Collection& collection, int event_pos, int type);

  // The text without its brace groups: what lies between "{" and its matching "}" (groups nest)
  // is dropped with the braces; a "}" that closes nothing is dropped too.
  static std::string StripBraceGroups(std::string_view text);

 protected:
  std::string ChooseTemplate() override;
  // The 4.x names of the place parts, and L1 to L9 for parts 1 to 9.
  int PlacePartNumber(const std::string& key) override;
  // "in " and the non-empty parts 1 to 9 joined with ", "; empty when all are empty.
  std::string PlaceVariable() override;
  std::string MemoForVariable(const std::string& memo) override { return StripBraceGroups(memo); }

 private:
  WTMG5Collection& collection5_;
};
