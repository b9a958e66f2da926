#include "formats/ftm/FTWMarriage.h"

#include "formats/ftm/FTWCollection.h"
#include "formats/ftm/FTWDate.h"
#include "formats/ftm/FTWNote.h"
#include "model/ABSCitation.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSNote.h"
#include "model/FamLinks.h"

namespace {

// Parts of a family record.
constexpr int kDateAt = 24;
constexpr int kPlaceAt = 36;
constexpr int kNoteAt = 44;
constexpr int kCitationAt = 48;

}  // namespace

WFTWMarriage::WFTWMarriage(WFTWCollection& collection, RecNo n) : WABSMarriage(n), collection_(collection) {
  if (n <= 0) return;
  links_ = collection.FamLinks();
  if (!links_) return;
  child_count_ = links_->ChildCount(n);
  const int32_t key = links_->GetFamilyKey(n);
  if (key > 0 && collection.SlotOffset(key) != 0) slot_ = key;
  if (slot_ != 0 && RecordInt(kCitationAt) >= 0) collection.ReadCitations(RecordInt(kCitationAt), citations_);
  citation_count_ = static_cast<int32_t>(citations_.size());
}

int32_t WFTWMarriage::RecordInt(int at) const { return slot_ == 0 ? 0 : collection_.SlotInt(slot_, at); }

void WFTWMarriage::LoadDate() {
  if (date_ || slot_ == 0) return;
  const uint32_t word = static_cast<uint32_t>(RecordInt(kDateAt));
  if (!WFTWDate::IsNone(word)) date_ = std::make_unique<WFTWDate>(word);
}

RecNo WFTWMarriage::GetHusband() { return links_ ? links_->GetHusband(rec_no_) : 0; }

RecNo WFTWMarriage::GetWife() { return links_ ? links_->GetWife(rec_no_) : 0; }

RecNo WFTWMarriage::GetChild(int i) { return links_ ? links_->GetChild(rec_no_, i) : 0; }

int WFTWMarriage::SpouseCount() { return (GetHusband() != 0 ? 1 : 0) + (GetWife() != 0 ? 1 : 0); }

void WFTWMarriage::OrderChildren() {
  if (links_) links_->OrderChildren(rec_no_, collection_);
}

std::string WFTWMarriage::GetPlaceText() {
  const int32_t place = RecordInt(kPlaceAt);
  return place > 0 ? collection_.ReadText(place, true) : std::string();
}

std::unique_ptr<WABSCitation> WFTWMarriage::GetCitation(int i) {
  return WFTWCitation::ItemAt(collection_, citations_, i);
}

std::unique_ptr<WABSNote> WFTWMarriage::GetNote() {
  return WFTWNote::OfReference(collection_, RecordInt(kNoteAt));
}
