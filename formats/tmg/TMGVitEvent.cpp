#include "formats/tmg/TMGVitEvent.h"

#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGDate.h"
#include "formats/tmg/TMGTabT.h"

WTMGVitEvent::WTMGVitEvent(WTMGCollection& collection, int event_pos, int type, int kind)
    : event_(collection, event_pos) {
  SetKind(kind);
  SetTypeName(collection.TagTypes().TagName(type));
}

void WTMGVitEvent::LoadDate() {
  if (!date_) date_ = std::make_unique<WTMGDate>(event_.DateText(), WTMGDate::Form::Long);
}

void WTMGVitEvent::LoadSortDate() {
  if (!sort_date_ || sort_date_shared_)
    SetOwnSortDate(std::make_unique<WTMGDate>(event_.SortDateText(), WTMGDate::Form::Long));
}
