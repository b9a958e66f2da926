#include "formats/rm3/RM3LDSEvent.h"

#include "formats/rm3/RM3Collection.h"
#include "formats/rm3/RM3Date.h"
#include "formats/rm3/RM3TabT.h"

WRM3LDSEvent::WRM3LDSEvent(WRM3Collection& collection, int pos, int fact_type, int kind)
    : row_(collection, pos) {
  SetKind(kind);
  const WRM3TabT& types = collection.TabT();
  if (fact_type > 0 && types.HasType(fact_type))
    SetTypeName(types.TypeName(fact_type) + " " + std::to_string(fact_type));
}

void WRM3LDSEvent::LoadDate() {
  if (!date_) date_ = row_.Date();
}
