#include "formats/tmg/TMGWitness.h"

#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGDate.h"
#include "formats/tmg/TMGTabE.h"
#include "formats/tmg/TMGTabG.h"
#include "formats/tmg/TMGTabT.h"

WTMGWitness::WTMGWitness(WTMGCollection& collection, int witness_pos) : collection_(collection) {
  const WTMGTabG& events = collection.Events();
  event_pos_ = events.IdToPos(collection.Witnesses().Event(witness_pos));
  if (event_pos_ > 0) {
    type_ = events.Type(event_pos_);
    principal1_ = collection.PersonPos(events.Per1(event_pos_));
    principal2_ = collection.PersonPos(events.Per2(event_pos_));
  }
}

void WTMGWitness::LoadDate() {
  if (!date_)
    date_ = std::make_unique<WTMGDate>(collection_.Events().DateText(event_pos_), WTMGDate::Form::Long);
}

void WTMGWitness::LoadSortDate() {
  if (!sort_date_ || sort_date_shared_)
    SetOwnSortDate(
        std::make_unique<WTMGDate>(collection_.Events().SortDateText(event_pos_), WTMGDate::Form::Long));
}

std::string WTMGWitness::GetDescription() {
  std::string text;
  if (type_ > 0) text = collection_.TagTypes().TagName(type_) + ": ";
  // A principal who is no person of the project is left out.
  std::string names;
  for (const RecNo principal : {principal1_, principal2_}) {
    if (principal == 0) continue;
    if (!names.empty()) names += ", ";
    names += collection_.GetIndividualDisplayName(principal);
  }
  text += names;
  if (collection_.Events().PlaceNum(event_pos_) > 0) {
    if (!names.empty()) text += ", ";
    text += collection_.PlaceText(collection_.Events().PlaceNum(event_pos_));
  }
  return text;
}
