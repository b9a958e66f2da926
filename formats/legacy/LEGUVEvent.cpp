#include "formats/legacy/LEGUVEvent.h"

#include "formats/legacy/LEGCollection.h"
#include "formats/legacy/LEGTabER.h"
#include "formats/legacy/LEGTabET.h"
#include "formats/legacy/LEGTabLR.h"
#include "model/RecNo.h"

namespace {

// Events of "TBLER" are cited with this type and the event's "IDER".
constexpr int kEventCitations = 30;

}  // namespace

WLEGEventParts WLEGUVEvent::ReadRow(WLEGCollection& collection, int32_t ider, std::string& type_name,
                                    std::string& description) {
  WLEGEventParts parts;
  WLEGTabER& row = collection.TabER();
  if (row.Seek(ider)) {
    const int32_t type = row.Int("IDET");
    parts.date = row.Text("EventD");
    const int32_t place = row.Int("IDLREvent");
    parts.note = row.Text("Desc");
    if (collection.HasEventDescriptions()) description = row.Text("Description");
    if (place != 0) {
      parts.has_place = true;
      parts.place = collection.TabLR().LocationOf(place);
    }
    type_name = collection.TabET().EventTypeOf(type);
  }
  parts.citations = WLEGCitationList(collection, ider, kEventCitations);
  return parts;
}

WLEGUVEvent::WLEGUVEvent(WLEGCollection& collection, int32_t ider) : WLEGVitEvent(collection, evOther, {}) {
  std::string type_name, description;
  ReplaceParts(ReadRow(collection, ider, type_name, description));
  SetTypeName(type_name);
  SetDescription(description);
}
