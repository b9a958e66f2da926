#include "formats/rm3/RM3Individual.h"

#include "base/Date.h"
#include "base/Errors.h"
#include "formats/rm3/RM3Collection.h"
#include "formats/rm3/RM3Date.h"
#include "formats/rm3/RM3EventRow.h"
#include "formats/rm3/RM3LDSEvent.h"
#include "formats/rm3/RM3Name.h"
#include "formats/rm3/RM3Note.h"
#include "formats/rm3/RM3TabE.h"
#include "formats/rm3/RM3TabI.h"
#include "formats/rm3/RM3TabL.h"
#include "formats/rm3/RM3VitEvent.h"
#include "model/ABSCitation.h"
#include "model/IndLinks.h"

namespace {

using Slot = WRM3PrimeEventArray::Slot;

// The slot of a model event kind; kFirstEvent (no slot) for the others.
Slot SlotOfKind(int kind) {
  switch (kind) {
    case evBirth:
      return WRM3PrimeEventArray::kBirth;
    case evDeath:
      return WRM3PrimeEventArray::kDeath;
    case evChristening:
      return WRM3PrimeEventArray::kChristening;
    case evBurial:
      return WRM3PrimeEventArray::kBurial;
    case evLDSBaptism:
      return WRM3PrimeEventArray::kLDSBaptism;
    case evEndowment:
      return WRM3PrimeEventArray::kEndowment;
    case evSealingToParents:
      return WRM3PrimeEventArray::kSealingToParents;
    default:
      return WRM3PrimeEventArray::kFirstEvent;
  }
}

}  // namespace

WRM3Individual::WRM3Individual(WRM3Collection& collection, RecNo pos)
    : WABSIndividual(pos), collection_(collection) {
  Load(pos);
}

WRM3Individual::~WRM3Individual() { FreeCache(); }

void WRM3Individual::FreeCache() {
  change_date_.reset();
  change_date_read_ = false;
  citations_.clear();
  citations_found_ = false;
}

void WRM3Individual::Load(RecNo pos) {
  if (pos < 1 || pos > collection_.IndividualCount())
    throw EMemoryError(FormatMessage("Error getting pointer to individual %d", pos));
  FreeCache();
  rec_no_ = pos;
  id_ = collection_.TabI().PersonId(pos);
  entry_read_ = false;
}

const WRM3PrimeEventArray::Entry& WRM3Individual::Entry() {
  if (!entry_read_) {
    entry_ = collection_.PrimeEvents().Get(rec_no_, id_, collection_.TabE());
    entry_read_ = true;
  }
  return entry_;
}

int WRM3Individual::Chosen(Slot slot) { return Entry()[slot]; }

std::string WRM3Individual::GetID() { return std::to_string(id_); }

std::string WRM3Individual::DescriptionOf(Slot slot) {
  const int pos = Chosen(slot);
  return pos > 0 ? WRM3EventRow(collection_, pos).Description() : std::string();
}

std::string WRM3Individual::GetReferenceNumber() { return DescriptionOf(WRM3PrimeEventArray::kType35); }

std::string WRM3Individual::GetAFN() { return DescriptionOf(WRM3PrimeEventArray::kType34); }

char WRM3Individual::GetSex() { return collection_.TabI().Sex(rec_no_); }

const WDate* WRM3Individual::GetChangeDate() {
  if (!change_date_read_) {
    change_date_ = std::make_unique<WRM3Date>("1" + collection_.TabI().EditDate(rec_no_));
    change_date_read_ = true;
  }
  return change_date_.get();
}

std::unique_ptr<WABSName> WRM3Individual::GetName() {
  return std::make_unique<WRM3Name>(collection_.TabI(), rec_no_);
}

std::vector<int> WRM3Individual::OtherEvents() {
  std::vector<int> others;
  const WRM3TabE& events = collection_.TabE();
  const int first = Chosen(WRM3PrimeEventArray::kFirstEvent);
  if (first < 1) return others;
  for (int k = first; k <= events.EventOrderCount(); ++k) {
    const int pos = events.OrderedPos(k);
    if (events.OwnerId(pos) != id_) break;
    if (!events.IsPersonEvent(pos)) continue;
    bool chosen = false;
    for (int slot = WRM3PrimeEventArray::kBirth; slot <= WRM3PrimeEventArray::kSealingToParents; ++slot)
      chosen = chosen || Entry()[static_cast<size_t>(slot)] == pos;
    const int type = events.EventType(pos);
    if (chosen || type == WRM3TabE::kAFN || type == WRM3TabE::kReference || type == WRM3TabE::kMarriage ||
        type == WRM3TabE::kSealingToSpouse)
      continue;
    others.push_back(pos);
  }
  return others;
}

int WRM3Individual::EventCount(int kind) {
  if (kind == evOther) return static_cast<int>(OtherEvents().size());
  const Slot slot = SlotOfKind(kind);
  return slot != WRM3PrimeEventArray::kFirstEvent && Chosen(slot) > 0 ? 1 : 0;
}

std::unique_ptr<WABSVitEvent> WRM3Individual::GetEvent(int kind, int index) {
  if (kind == evOther) {
    const std::vector<int> others = OtherEvents();
    if (index < 1 || static_cast<size_t>(index) > others.size()) return nullptr;
    const int pos = others[static_cast<size_t>(index) - 1];
    return std::make_unique<WRM3VitEvent>(collection_, pos, collection_.TabE().EventType(pos), evOther);
  }
  if (kind < evBirth || kind > evBurial) return nullptr;
  const int pos = Chosen(SlotOfKind(kind));
  if (pos < 1) return nullptr;
  return std::make_unique<WRM3VitEvent>(collection_, pos, 0, kind);
}

std::unique_ptr<WABSLDSEvent> WRM3Individual::GetLDSEvent(int kind) {
  if (kind < evLDSBaptism || kind > evSealingToParents) return nullptr;
  const int pos = Chosen(SlotOfKind(kind));
  if (pos < 1) return nullptr;
  return std::make_unique<WRM3LDSEvent>(collection_, pos, 0, kind);
}

int WRM3Individual::ParentFamilyCount() {
  WIndLinks* links = collection_.IndLinks();
  return links ? links->ParentFamilyCount(rec_no_) : 0;
}

RecNo WRM3Individual::GetParentFamily(int i) {
  WIndLinks* links = collection_.IndLinks();
  return links ? links->GetParentFamily(rec_no_, i) : 0;
}

bool WRM3Individual::GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) {
  WIndLinks* links = collection_.IndLinks();
  family = 0;
  mother_relation = father_relation = 0;
  return links && links->GetParentFamilyLink(rec_no_, i, family, mother_relation, father_relation);
}

int WRM3Individual::SpouseFamilyCount() {
  WIndLinks* links = collection_.IndLinks();
  return links ? links->SpouseFamilyCount(rec_no_) : 0;
}

RecNo WRM3Individual::GetSpouseFamily(int i) {
  WIndLinks* links = collection_.IndLinks();
  return links ? links->GetSpouseFamily(rec_no_, i) : 0;
}

bool WRM3Individual::IsLiving(int) { return collection_.TabI().IsLiving(rec_no_); }

bool WRM3Individual::HasNoParents() { return ParentFamilyCount() == 0; }

bool WRM3Individual::HasNoSpouseFamilies() { return SpouseFamilyCount() == 0; }

int WRM3Individual::CitationCount() {
  if (!citations_found_) {
    citations_ = collection_.TabL().CitationLinks(1, id_);
    citations_found_ = true;
  }
  return static_cast<int>(citations_.size());
}

std::unique_ptr<WABSCitation> WRM3Individual::GetCitation(int i) {
  CitationCount();
  return WRM3EventRow::CitationOf(collection_, citations_, i);
}

std::unique_ptr<WABSNote> WRM3Individual::GetNote() {
  return WRM3Note::NoneWhenEmpty(collection_.TabI().Note(rec_no_));
}
