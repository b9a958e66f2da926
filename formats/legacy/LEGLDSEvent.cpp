#include "formats/legacy/LEGLDSEvent.h"

#include "base/Date.h"
#include "formats/legacy/LEGCollection.h"
#include "formats/legacy/LEGTabCR.h"
#include "formats/legacy/LEGTabInd.h"
#include "formats/legacy/LEGTabLR.h"
#include "formats/legacy/LEGTabMR.h"
#include "formats/legacy/LEGTabTR.h"
#include "model/RecNo.h"

namespace {

// Citation types of the ordinances, by kind 7 to 10.
constexpr int kCitationTypes[] = {15, 16, 17, 18};
const char* const kTypeNames[] = {"Baptism", "Endowment", "Sealed to Parents", "Sealed to Spouse"};

// An ordinance exists with a date, or with a temple other than 1 (none).
bool Exists(const std::string& date, int32_t temple) { return !date.empty() || temple > 1; }

}  // namespace

WLEGLDSEvent::WLEGLDSEvent(WLEGCollection& collection, int kind, WLEGEventParts parts)
    : collection_(collection), parts_(std::move(parts)) {
  SetKind(kind);
  if (kind >= evLDSBaptism && kind <= kSealingToSpouse) SetTypeName(kTypeNames[kind - evLDSBaptism]);
}

void WLEGLDSEvent::LoadDate() {
  if (!date_) date_ = parts_.MakeDate();
}

std::unique_ptr<WLEGLDSEvent> WLEGLDSEvent::OfPerson(WLEGCollection& collection, int32_t idir, int kind) {
  WLEGEventParts parts;
  int32_t temple = 0;
  if (kind == evLDSBaptism || kind == evEndowment) {
    WLEGTabInd& row = collection.TabInd();
    if (!row.Seek(idir)) return nullptr;
    const bool baptism = kind == evLDSBaptism;
    parts.date = row.Text(baptism ? "BaptismD" : "EndowD");
    temple = row.Int(baptism ? "IDTRBaptism" : "IDTREndow");
    if (!Exists(parts.date, temple)) return nullptr;
    if (temple != 0) {
      parts.has_place = true;
      // A baptism of kind 0 was done outside a temple: its identifier names a place.
      parts.place = baptism && row.Int("BaptismKind") == 0 ? collection.TabLR().LocationOf(temple)
                                                           : collection.TabTR().TempleOf(temple);
    }
  } else if (kind == evSealingToParents) {
    const WLEGTabCR::Entry* child = collection.TabCR().FindChild(idir);
    WLEGTabCR& row = collection.TabCR();
    if (!child || !row.Seek(child->idcr)) return nullptr;
    parts.date = row.Text("ParSealD");
    temple = row.Int("IDTRParSeal");
    if (!Exists(parts.date, temple)) return nullptr;
    if (temple != 0) {
      parts.has_place = true;
      parts.place = collection.TabTR().TempleOf(temple);
    }
  } else {
    return nullptr;
  }
  parts.citations = WLEGCitationList(collection, idir, kCitationTypes[kind - evLDSBaptism]);
  return std::make_unique<WLEGLDSEvent>(collection, kind, std::move(parts));
}

std::unique_ptr<WLEGLDSEvent> WLEGLDSEvent::OfFamily(WLEGCollection& collection, int32_t idmr) {
  WLEGTabMR& row = collection.TabMR();
  if (!row.Seek(idmr)) return nullptr;
  WLEGEventParts parts;
  parts.date = row.Text("SealD");
  const int32_t temple = row.Int("IDTRSeal");
  if (!Exists(parts.date, temple)) return nullptr;
  if (temple != 0) {
    parts.has_place = true;
    parts.place = collection.TabTR().TempleOf(temple);
  }
  // The family's own identifier owns the citations of its sealing.
  parts.citations = WLEGCitationList(collection, idmr, kCitationTypes[kSealingToSpouse - evLDSBaptism]);
  return std::make_unique<WLEGLDSEvent>(collection, kSealingToSpouse, std::move(parts));
}
