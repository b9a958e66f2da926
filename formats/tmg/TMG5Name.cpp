#include "formats/tmg/TMG5Name.h"

#include "formats/tmg/TMG5Collection.h"
#include "formats/tmg/TMG5TabND.h"
#include "formats/tmg/TMGTabN.h"

WTMG5Name::WTMG5Name(WTMG5Collection& collection, int name_pos)
    : WTMGName(collection, name_pos), collection5_(collection), recno_(collection.Names().RecNo(name_pos)) {}

std::string WTMG5Name::DictionaryPart(WTMG5NameLookup::Part part) {
  if (!uids_read_) {
    uids_read_ = true;
    collection5_.NameParts().SlotUids(recno_, uids_.data(), WTMG5NameLookup::kParts);
  }
  return collection5_.NameDictionary().PartText(uids_[part]);
}
