#pragma once

#include <string>

#include "formats/tmg/TMGNameSent.h"

class WTMG5Collection;

// A name of a 5.x project told as a sentence: as in 4.x, with the memo variables leaving out the
// memo's brace groups.
class WTMG5NameSent : public WTMGNameSent {
 public:
  WTMG5NameSent(WTMG5Collection& collection, int name_pos, int type, RecNo person);

 protected:
  std::string MemoForVariable(const std::string& memo) override;
};
