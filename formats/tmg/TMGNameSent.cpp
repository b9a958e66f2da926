#include "formats/tmg/TMGNameSent.h"

#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGDate.h"
#include "formats/tmg/TMGName.h"
#include "formats/tmg/TMGTabN.h"
#include "model/ABSIndividual.h"

namespace {

// Variables that have no value for a name.
bool IsEventOnly(const std::string& key) {
  static const char* const kKeys[] = {"A",   "A1",   "A2",   "AO",   "AE",   "A1E",  "A2E", "AOE", "L",
                                      "PAR", "PAR0", "PAR1", "PAR2", "FATH", "MOTH", "W",   "WO"};
  for (const char* k : kKeys)
    if (key == k) return true;
  return false;
}

}  // namespace

WTMGNameSent::WTMGNameSent(WTMGCollection& collection, int name_pos, int type, RecNo person)
    : WTMGEventSent(collection, collection.GetIndividual(person), type), name_pos_(name_pos) {}

std::string WTMGNameSent::ChooseTemplate() {
  const WTMGTabN& names = collection_.Names();
  if (names.SentenceBlock(name_pos_) > 0) return names.SentenceMemo(name_pos_);
  return TagTemplate();
}

std::string WTMGNameSent::ExpandVariable(const std::string& name, bool in_condition, bool alone) {
  if (!principal1_) return std::string();
  const std::string key = VariableKey(name);
  if (IsEventOnly(key) || PlacePartNumber(key) != 0) return std::string();
  const WTMGTabN& names = collection_.Names();
  if (key == "D" || key == "DD")
    return DateVariable(WTMGDate(names.DateText(name_pos_), WTMGDate::Form::Long), in_condition, alone);
  if (key == "M" || (key.size() == 2 && key[0] == 'M' && key[1] >= '1' && key[1] <= '9'))
    return MemoVariable(key, names.NoteBlock(name_pos_), names.NoteMemo(name_pos_), in_condition);
  if (key == "N") return collection_.MakeName(name_pos_)->GetFullName(true);
  return PrincipalVariable(key, in_condition);
}
