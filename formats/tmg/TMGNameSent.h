#pragma once

#include <string>

#include "formats/tmg/TMGEventSent.h"

// A name told as a sentence: the name's own template, or its tag type's, with the name's person
// as the only principal, the name's date and memo, and [N] the name itself.
class WTMGNameSent : public WTMGEventSent {
 public:
  // The name at position name_pos of the names table, told by tag type `type`, of the person at
  // position `person`.
  WTMGNameSent(WTMGCollection& collection, int name_pos, int type, RecNo person);

  std::string ExpandVariable(const std::string& name, bool in_condition, bool alone) override;

 protected:
  std::string ChooseTemplate() override;

 private:
  int name_pos_;
};
