#include "formats/tmg/TMGLDSEvent.h"

#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGDate.h"
#include "formats/tmg/TMGTabT.h"

WTMGLDSEvent::WTMGLDSEvent(WTMGCollection& collection, int event_pos, int type, int kind)
    : event_(collection, event_pos) {
  SetKind(kind);
  SetTypeName(collection.TagTypes().TagName(type));
}

void WTMGLDSEvent::LoadDate() {
  if (!date_) date_ = std::make_unique<WTMGDate>(event_.DateText(), WTMGDate::Form::Long);
}
