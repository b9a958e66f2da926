#include "views/ABSPanelLogic.h"

WColor WABSPanelLogic::RowBackground(RecNo) const { return kColorWhite; }

WColor WABSPanelLogic::RowTextColor(RecNo) const { return kColorBlack; }

void WABSPanelLogic::SetCollection(WABSCollection* collection) {
  collection_ = collection;
  requested_ = 0;
}

void WABSPanelLogic::SetIndividual(RecNo n) { individual_ = n; }

void WABSPanelLogic::RequestIndividual(RecNo n) {
  requested_ = n;
  if (OnIndexChange) OnIndexChange();
}
