#include "formats/legacy/LEGMarriage.h"

#include "base/Date.h"
#include "formats/legacy/LEGCollection.h"
#include "formats/legacy/LEGDate.h"
#include "formats/legacy/LEGLDSEvent.h"
#include "formats/legacy/LEGNote.h"
#include "formats/legacy/LEGTabLR.h"
#include "formats/legacy/LEGTabMR.h"
#include "model/FamLinks.h"

namespace {

constexpr int kFamilyCitations = 20;

}  // namespace

WLEGMarriage::WLEGMarriage(WLEGCollection& collection, RecNo number)
    : collection_(collection), links_(collection.FamLinks()), number_(number) {
  idmr_ = collection.TabMR().At(number).idmr;
  rec_no_ = idmr_;
  child_count_ = links_ ? links_->ChildCount(number) : 0;
}

std::string WLEGMarriage::Text(const char* field) {
  WLEGTabMR& table = collection_.TabMR();
  return table.Seek(idmr_) ? table.Text(field) : std::string();
}

void WLEGMarriage::LoadDate() {
  if (date_) return;
  if (std::string text = Text("MarD"); !text.empty()) date_ = std::make_unique<WLEGDate>(text);
}

RecNo WLEGMarriage::GetHusband() { return links_ ? links_->GetHusband(number_) : 0; }

RecNo WLEGMarriage::GetWife() { return links_ ? links_->GetWife(number_) : 0; }

RecNo WLEGMarriage::GetChild(int i) { return links_ ? links_->GetChild(number_, i) : 0; }

int WLEGMarriage::SpouseCount() { return (GetHusband() > 0 ? 1 : 0) + (GetWife() > 0 ? 1 : 0); }

void WLEGMarriage::OrderChildren() {
  if (links_) links_->OrderChildren(number_, collection_);
}

int WLEGMarriage::SealingCount() { return WLEGLDSEvent::OfFamily(collection_, idmr_) ? 1 : 0; }

std::unique_ptr<WABSLDSEvent> WLEGMarriage::GetSealing(int) {
  return WLEGLDSEvent::OfFamily(collection_, idmr_);
}

std::string WLEGMarriage::GetPlaceText() {
  WLEGTabMR& table = collection_.TabMR();
  const int32_t place = table.Seek(idmr_) ? table.Int("IDLRMar") : 0;
  return place > 0 ? collection_.TabLR().LocationOf(place) : std::string();
}

int WLEGMarriage::CitationCount() {
  if (!citations_) citations_ = std::make_unique<WLEGCitationList>(collection_, idmr_, kFamilyCitations);
  return citations_->Count();
}

std::unique_ptr<WABSCitation> WLEGMarriage::GetCitation(int i) {
  CitationCount();
  return citations_->Get(collection_, i);
}

std::unique_ptr<WABSNote> WLEGMarriage::GetNote() { return WLEGNote::From(Text("Notes")); }
