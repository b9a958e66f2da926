#include "formats/tmg/TMG5NameSent.h"

#include "formats/tmg/TMG5Collection.h"
#include "formats/tmg/TMG5EventSent.h"

WTMG5NameSent::WTMG5NameSent(WTMG5Collection& collection, int name_pos, int type, RecNo person)
    : WTMGNameSent(collection, name_pos, type, person) {}

std::string WTMG5NameSent::MemoForVariable(const std::string& memo) {
  return WTMG5EventSent::StripBraceGroups(memo);
}
