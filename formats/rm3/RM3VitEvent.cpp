#include "formats/rm3/RM3VitEvent.h"

#include "formats/rm3/RM3Collection.h"
#include "formats/rm3/RM3Date.h"
#include "formats/rm3/RM3TabT.h"

WRM3VitEvent::WRM3VitEvent(WRM3Collection& collection, int pos, int fact_type, int kind)
    : row_(collection, pos) {
  SetKind(kind);
  if (fact_type > 0) SetTypeName(collection.TabT().TypeName(fact_type));
}

void WRM3VitEvent::LoadDate() {
  if (!date_) date_ = row_.Date();
}

void WRM3VitEvent::LoadSortDate() {
  if (!sort_date_ || sort_date_shared_) SetOwnSortDate(row_.SortDate());
}
