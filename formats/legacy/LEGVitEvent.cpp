#include "formats/legacy/LEGVitEvent.h"

#include "base/Date.h"
#include "formats/legacy/LEGCollection.h"
#include "formats/legacy/LEGTabInd.h"
#include "formats/legacy/LEGTabLR.h"
#include "model/RecNo.h"

namespace {

struct VitalFields {
  const char* type_name;
  const char* date;
  const char* place;
  const char* note;
  int citation_type;
};

const VitalFields* FieldsOf(int kind) {
  static const VitalFields kFields[] = {
      {"Birth", "BirthD", "IDLRBirth", "BirthNote", 2},
      {"Death", "DeathD", "IDLRDeath", "DeathNote", 4},
      {"Christening", "ChrisD", "IDLRChris", "ChrisNote", 3},
      {"Burial", "BuriedD", "IDLRBuried", "BuriedNote", 5},
  };
  return kind >= evBirth && kind <= evBurial ? &kFields[kind - evBirth] : nullptr;
}

}  // namespace

WLEGVitEvent::WLEGVitEvent(WLEGCollection& collection, int kind, WLEGEventParts parts)
    : collection_(collection), parts_(std::move(parts)) {
  SetKind(kind);
}

void WLEGVitEvent::LoadDate() {
  if (!date_) date_ = parts_.MakeDate();
}

std::unique_ptr<WLEGVitEvent> WLEGVitEvent::OfPerson(WLEGCollection& collection, int32_t idir, int kind) {
  const VitalFields* fields = FieldsOf(kind);
  WLEGTabInd& row = collection.TabInd();
  if (!fields || !row.Seek(idir)) return nullptr;
  WLEGEventParts parts;
  parts.date = row.Text(fields->date);
  const int32_t place = row.Int(fields->place);
  parts.note = row.Text(fields->note);
  if (place != 0) {
    parts.has_place = true;
    parts.place = collection.TabLR().LocationOf(place);
  }
  if (parts.date.empty() && parts.place.empty()) return nullptr;
  parts.citations = WLEGCitationList(collection, idir, fields->citation_type);
  auto event = std::make_unique<WLEGVitEvent>(collection, kind, std::move(parts));
  event->SetTypeName(fields->type_name);
  return event;
}
