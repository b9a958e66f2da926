#include "formats/rm3/RM3Marriage.h"

#include "base/Date.h"
#include "formats/rm3/RM3Collection.h"
#include "formats/rm3/RM3Date.h"
#include "formats/rm3/RM3EventRow.h"
#include "formats/rm3/RM3LDSEvent.h"
#include "formats/rm3/RM3Note.h"
#include "formats/rm3/RM3TabE.h"
#include "formats/rm3/RM3TabF.h"
#include "formats/rm3/RM3TabL.h"
#include "formats/rm3/RM3TabP.h"
#include "model/ABSCitation.h"
#include "model/FamLinks.h"

namespace {
constexpr size_t kMaxSealings = 100;
}

WRM3Marriage::WRM3Marriage(WRM3Collection& collection, RecNo pos)
    : WABSMarriage(pos), collection_(collection), family_id_(collection.TabF().FamilyId(pos)) {
  if (WFamLinks* links = collection.FamLinks()) child_count_ = links->ChildCount(pos);
}

void WRM3Marriage::FindMarriages() {
  if (marriages_found_) return;
  marriages_found_ = true;
  const std::vector<int> marriages = EventsOfType(WRM3TabE::kMarriage, SIZE_MAX);
  if (!marriages.empty()) {
    first_marriage_ = marriages.front();
    marriage_ = marriages.back();
  }
}

std::vector<int> WRM3Marriage::EventsOfType(int type, size_t at_most) const {
  std::vector<int> found;
  const WRM3TabE& events = collection_.TabE();
  const int first = events.FirstEventOfOwner(family_id_);
  if (first < 1) return found;
  for (int k = first; k <= events.EventOrderCount() && found.size() < at_most; ++k) {
    const int pos = events.OrderedPos(k);
    if (events.OwnerId(pos) != family_id_) break;
    if (events.IsFamilyEvent(pos) && events.EventType(pos) == type) found.push_back(pos);
  }
  return found;
}

void WRM3Marriage::LoadDate() {
  FindMarriages();
  if (!date_ && marriage_ > 0) date_ = collection_.TabE().EventDateFor(marriage_);
}

void WRM3Marriage::LoadSortDate() {
  FindMarriages();
  if (marriage_ > 0 && (!sort_date_ || sort_date_shared_))
    SetOwnSortDate(collection_.TabE().SortDateFor(marriage_));
}

RecNo WRM3Marriage::GetHusband() {
  WFamLinks* links = collection_.FamLinks();
  return links ? links->GetHusband(rec_no_) : 0;
}

RecNo WRM3Marriage::GetWife() {
  WFamLinks* links = collection_.FamLinks();
  return links ? links->GetWife(rec_no_) : 0;
}

RecNo WRM3Marriage::GetChild(int i) {
  WFamLinks* links = collection_.FamLinks();
  return links ? links->GetChild(rec_no_, i) : 0;
}

int WRM3Marriage::SpouseCount() { return (GetHusband() != 0 ? 1 : 0) + (GetWife() != 0 ? 1 : 0); }

void WRM3Marriage::OrderChildren() {
  if (WFamLinks* links = collection_.FamLinks()) links->OrderChildren(rec_no_, collection_);
}

int WRM3Marriage::SealingCount() {
  return static_cast<int>(EventsOfType(WRM3TabE::kSealingToSpouse, kMaxSealings).size());
}

std::unique_ptr<WABSLDSEvent> WRM3Marriage::GetSealing(int i) {
  const std::vector<int> sealings = EventsOfType(WRM3TabE::kSealingToSpouse, kMaxSealings);
  if (i < 1 || static_cast<size_t>(i) > sealings.size()) return nullptr;
  return std::make_unique<WRM3LDSEvent>(collection_, sealings[static_cast<size_t>(i) - 1],
                                        WRM3TabE::kSealingToSpouse, 0);
}

std::string WRM3Marriage::GetPlaceText() {
  FindMarriages();
  if (marriage_ < 1) return std::string();
  return collection_.TabP().PlaceName(collection_.TabE().PlaceId(marriage_));
}

int WRM3Marriage::CitationCount() {
  if (!citations_found_) {
    FindMarriages();
    if (first_marriage_ > 0)
      citations_ = collection_.TabL().CitationLinks(3, collection_.TabE().EventId(first_marriage_));
    citations_found_ = true;
  }
  return static_cast<int>(citations_.size());
}

std::unique_ptr<WABSCitation> WRM3Marriage::GetCitation(int i) {
  CitationCount();
  return WRM3EventRow::CitationOf(collection_, citations_, i);
}

std::unique_ptr<WABSNote> WRM3Marriage::GetNote() {
  const WRM3TabE& events = collection_.TabE();
  for (int pos : EventsOfType(WRM3TabE::kMarriage, SIZE_MAX))
    if (events.NoteBlock(pos) > 0) return std::make_unique<WRM3Note>(events.Note(pos));
  return nullptr;
}
