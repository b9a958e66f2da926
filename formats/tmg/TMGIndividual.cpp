#include "formats/tmg/TMGIndividual.h"

#include <algorithm>

#include "base/Errors.h"
#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGDate.h"
#include "formats/tmg/TMGLDSEvent.h"
#include "formats/tmg/TMGName.h"
#include "formats/tmg/TMGNameEvent.h"
#include "formats/tmg/TMGTabE.h"
#include "formats/tmg/TMGTabG.h"
#include "formats/tmg/TMGTabN.h"
#include "formats/tmg/TMGTab_.h"
#include "formats/tmg/TMGVitEvent.h"
#include "formats/tmg/TMGWitness.h"
#include "model/IndLinks.h"

WTMGIndividual::WTMGIndividual(WTMGCollection& collection, RecNo rec_no)
    : WABSIndividual(rec_no), collection_(collection) {
  WTMGIndividual::Load(rec_no);
}

WTMGIndividual::~WTMGIndividual() = default;

void WTMGIndividual::FreeCache() { change_date_.reset(); }

void WTMGIndividual::Load(RecNo rec_no) {
  if (rec_no < 1 || rec_no > collection_.IndividualCount())
    throw EMemoryError(FormatMessage("Error getting pointer to individual %d", rec_no));
  rec_no_ = rec_no;
  id_ = collection_.People().PerNo(rec_no);
  names_chosen_ = chosen_read_ = others_listed_ = witnesses_listed_ = false;
}

std::string WTMGIndividual::GetID() { return std::to_string(id_); }

std::string WTMGIndividual::GetReferenceNumber() { return collection_.People().Reference(rec_no_); }

char WTMGIndividual::GetSex() { return collection_.People().Sex(rec_no_); }

bool WTMGIndividual::IsLiving(int) { return collection_.People().IsLiving(rec_no_); }

const WDate* WTMGIndividual::GetChangeDate() {
  if (!change_date_)
    change_date_ = std::make_unique<WTMGDate>(collection_.People().LastEdit(rec_no_), WTMGDate::Form::Short);
  return change_date_.get();
}

void WTMGIndividual::ChooseNames() {
  if (names_chosen_) return;
  names_chosen_ = true;
  name_pos_ = 0;
  alternate_names_.clear();
  if (id_ < 1) return;
  const WTMGTabN& names = collection_.Names();
  bool settled = false;
  for (int k = names.FirstEntry(id_); k > 0 && names.EntryId(k) == id_; ++k) {
    const int pos = names.EntryPos(k);
    if (name_pos_ == 0) {
      name_pos_ = pos;
      settled = names.IsPrimary(pos);
    } else if (names.IsPrimary(pos) || !settled) {
      alternate_names_.push_back(name_pos_);
      name_pos_ = pos;
      settled = true;
    } else {
      alternate_names_.push_back(pos);
    }
  }
}

std::unique_ptr<WABSName> WTMGIndividual::GetName() {
  ChooseNames();
  if (name_pos_ == 0) return nullptr;
  return collection_.MakeName(name_pos_);
}

const WTMGPrimeEventArray::Entry& WTMGIndividual::Chosen() {
  if (!chosen_read_) {
    chosen_read_ = true;
    chosen_ = collection_.ChosenEvents(rec_no_);
  }
  return chosen_;
}

void WTMGIndividual::ListOtherEvents() {
  if (others_listed_) return;
  others_listed_ = true;
  ChooseNames();
  for (const int name : alternate_names_) others_.push_back({true, name});
  const WTMGPrimeEventArray::Entry& chosen = Chosen();
  const int chosen_events[] = {
      chosen.birth,     chosen.christening,       chosen.death, chosen.burial, chosen.lds_baptism,
      chosen.endowment, chosen.sealing_to_parents};
  for (const int e : collection_.EventsOfPerson(id_)) {
    if (std::find(std::begin(chosen_events), std::end(chosen_events), e) != std::end(chosen_events)) continue;
    if (collection_.IsOtherEvent(e)) others_.push_back({false, e});
  }
}

int WTMGIndividual::EventCount(int kind) {
  switch (kind) {
    case 1:
      return Chosen().birth > 0 ? 1 : 0;
    case 2:
      return Chosen().death > 0 ? 1 : 0;
    case 3:
      return Chosen().christening > 0 ? 1 : 0;
    case 4:
      return Chosen().burial > 0 ? 1 : 0;
    case 6:
      ListOtherEvents();
      return static_cast<int>(others_.size());
    default:
      return 0;
  }
}

std::unique_ptr<WABSVitEvent> WTMGIndividual::GetEvent(int kind, int index) {
  int e = 0;
  switch (kind) {
    case 1:
      e = Chosen().birth;
      break;
    case 2:
      e = Chosen().death;
      break;
    case 3:
      e = Chosen().christening;
      break;
    case 4:
      e = Chosen().burial;
      break;
    case 6: {
      ListOtherEvents();
      if (index < 1 || static_cast<size_t>(index) > others_.size()) return nullptr;
      const Other& other = others_[static_cast<size_t>(index - 1)];
      if (other.is_name) return std::make_unique<WTMGNameEvent>(collection_, other.pos, rec_no_);
      return std::make_unique<WTMGVitEvent>(collection_, other.pos, collection_.Events().Type(other.pos),
                                            kind);
    }
    default:
      return nullptr;
  }
  // The chosen events are shown by their kind; they carry no tag name of their own.
  return e > 0 ? std::make_unique<WTMGVitEvent>(collection_, e, 0, kind) : nullptr;
}

std::unique_ptr<WABSLDSEvent> WTMGIndividual::GetLDSEvent(int kind) {
  const WTMGPrimeEventArray::Entry& chosen = Chosen();
  int e = 0, type = 0;
  switch (kind) {
    case 7:
      e = chosen.lds_baptism;
      type = chosen.lds_baptism_type;
      break;
    case 8:
      e = chosen.endowment;
      type = chosen.endowment_type;
      break;
    case 9:
      e = chosen.sealing_to_parents;
      type = chosen.sealing_type;
      break;
    default:
      return nullptr;
  }
  return e > 0 ? std::make_unique<WTMGLDSEvent>(collection_, e, type, kind) : nullptr;
}

int WTMGIndividual::ParentFamilyCount() { return collection_.IndLinks()->ParentFamilyCount(rec_no_); }

RecNo WTMGIndividual::GetParentFamily(int i) { return collection_.IndLinks()->GetParentFamily(rec_no_, i); }

bool WTMGIndividual::GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) {
  return collection_.IndLinks()->GetParentFamilyLink(rec_no_, i, family, mother_relation, father_relation);
}

int WTMGIndividual::SpouseFamilyCount() { return collection_.IndLinks()->SpouseFamilyCount(rec_no_); }

RecNo WTMGIndividual::GetSpouseFamily(int i) { return collection_.IndLinks()->GetSpouseFamily(rec_no_, i); }

void WTMGIndividual::ListWitnesses() {
  if (witnesses_listed_) return;
  witnesses_listed_ = true;
  if (id_ < 1) return;
  const WTMGTabE& witnesses = collection_.Witnesses();
  const WTMGTabG& events = collection_.Events();
  for (int k = witnesses.FirstEntry(id_); k > 0 && witnesses.EntryId(k) == id_; ++k) {
    const int row = witnesses.EntryPos(k);
    if (witnesses.IsPrimary(row)) continue;
    const int e = events.IdToPos(witnesses.Event(row));
    if (e > 0 && (events.Per1(e) == id_ || events.Per2(e) == id_)) continue;
    witnesses_.push_back(row);
  }
}

int WTMGIndividual::WitnessCount() {
  ListWitnesses();
  return static_cast<int>(witnesses_.size());
}

std::unique_ptr<WABSWitness> WTMGIndividual::GetWitness(int i) {
  ListWitnesses();
  if (i < 1 || static_cast<size_t>(i) > witnesses_.size()) return nullptr;
  return std::make_unique<WTMGWitness>(collection_, witnesses_[static_cast<size_t>(i - 1)]);
}
