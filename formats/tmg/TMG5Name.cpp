#include "formats/tmg/TMG5Name.h"

#include "formats/tmg/TMG5Collection.h"
#include "formats/tmg/TMG5TabND.h"
#include "formats/tmg/TMGTabN.h"

WTMG5Name::WTMG5Name(WTMG5Collection& collection, int name_pos)
    : WTMGName(collection, name_pos), collection5_(collection), recno_(collection.Names().RecNo(name_pos)) {}

std::string WTMG5Name::DictionaryPart(WTMG5NameLookup::Part part) {
  return collection5_.NameDictionary().PartText(collection5_.NameParts().Uid(recno_, part));
}
