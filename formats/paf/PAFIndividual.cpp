#include "formats/paf/PAFIndividual.h"

#include "base/ChainGuard.h"
#include "base/Date.h"
#include "base/Errors.h"
#include "formats/paf/PAFCollection.h"
#include "formats/paf/PafDate.h"
#include "model/ABSCitation.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSNote.h"
#include "model/ABSVitEvent.h"

namespace {

constexpr size_t kMaxSpouseFamilies = 255;
constexpr size_t kMaxOtherEvents = 1000;

}  // namespace

WPAFIndividual::WPAFIndividual(WPAFCollection& collection, RecNo position, int32_t rin, uint64_t record)
    : WABSIndividual(position),
      collection_(collection),
      view_(collection.View()),
      layout_(collection.Layout()),
      rin_(rin),
      record_(record) {}

WPAFIndividual::~WPAFIndividual() = default;

void WPAFIndividual::FreeCache() {}

void WPAFIndividual::Load(RecNo rec_no) {
  const int32_t rin = collection_.RecordToFileNumber(rec_no);
  const uint64_t record = collection_.IndividualPos(rin);
  if (record == 0) throw EMemoryError(FormatMessage("Error getting pointer to individual %d", rec_no));
  rec_no_ = rec_no;
  rin_ = rin;
  record_ = record;
  creation_date_.reset();
  change_date_.reset();
  creation_loaded_ = change_loaded_ = false;
  parents_.clear();
  spouses_.clear();
  citations_.Clear();
  other_events_.clear();
  parents_loaded_ = spouses_loaded_ = others_loaded_ = false;
  BindExtras();
}

std::string WPAFIndividual::GetID() { return std::to_string(rin_); }

char WPAFIndividual::GetSex() {
  return record_ ? static_cast<char>(view_.U8(record_ + layout_.ind_sex)) : ' ';
}

const WDate* WPAFIndividual::TimeStampDate(uint32_t offset, std::unique_ptr<WDate>& date, bool& loaded) {
  if (!loaded) {
    loaded = true;
    if (record_ && offset) date = WPafDate::FromTimeStamp(view_.I32LE(record_ + offset));
  }
  return date.get();
}

const WDate* WPAFIndividual::GetCreationDate() {
  return TimeStampDate(CreationTimeOffset(), creation_date_, creation_loaded_);
}

const WDate* WPAFIndividual::GetChangeDate() {
  return TimeStampDate(layout_.ind_change_time, change_date_, change_loaded_);
}

int WPAFIndividual::EventCount(int kind) {
  if (kind != evOther) return 1;
  LoadOtherEvents();
  return static_cast<int>(other_events_.size());
}

std::unique_ptr<WABSVitEvent> WPAFIndividual::GetEvent(int kind, int index) {
  kind %= 128;
  uint32_t offset = 0;
  switch (kind) {
    case evBirth:
      offset = layout_.ind_birth;
      break;
    case evDeath:
      offset = layout_.ind_death;
      break;
    case evChristening:
      offset = layout_.ind_christening;
      break;
    case evBurial:
      offset = layout_.ind_burial;
      break;
    case evOther:
      return GetOtherEvent(index);
    default:
      return nullptr;
  }
  if (!record_) return nullptr;
  std::unique_ptr<WABSVitEvent> event = MakeVitalEvent(record_ + offset);
  if (event) event->SetKind(kind);
  return event;
}

std::unique_ptr<WABSLDSEvent> WPAFIndividual::GetLDSEvent(int kind) {
  if (!record_) return nullptr;
  uint64_t ordinance = 0;
  if (kind == evLDSBaptism) {
    ordinance = record_ + layout_.ind_baptism;
  } else if (kind == evEndowment) {
    ordinance = record_ + layout_.ind_endowment;
  } else if (kind == evSealingToParents) {
    // The sealing to the parents of the first parent family only.
    const int32_t link = view_.I32LE(record_ + layout_.ind_child_link);
    const uint64_t child_link = WPAFCollection::IsLink(link) ? collection_.ChildLinkPos(link) : 0;
    if (child_link == 0) return nullptr;
    ordinance = child_link + layout_.cl_sealing;
  } else {
    return nullptr;
  }
  std::unique_ptr<WABSLDSEvent> event = MakeLDSEvent(ordinance);
  if (event) event->SetKind(kind);
  return event;
}

void WPAFIndividual::LoadParents() {
  if (parents_loaded_) return;
  parents_loaded_ = true;
  if (!record_) return;
  WChainGuard guard(1, collection_.RecordLimit(kPafChildLink));
  guard.ReportDamageTo(view_.DamageLog());
  for (int32_t link = view_.I32LE(record_ + layout_.ind_child_link); guard.Step(link);) {
    const uint64_t child_link = collection_.ChildLinkPos(link);
    if (child_link == 0) break;
    parents_.push_back(link);
    link = view_.I32LE(child_link + layout_.cl_next_parent);
  }
}

int WPAFIndividual::ParentFamilyCount() {
  LoadParents();
  return static_cast<int>(parents_.size());
}

RecNo WPAFIndividual::GetParentFamily(int i) {
  LoadParents();
  if (i < 1 || i > static_cast<int>(parents_.size())) return 0;
  const uint64_t child_link = collection_.ChildLinkPos(parents_[i - 1]);
  if (child_link == 0) return 0;
  const int32_t mrin = view_.I32LE(child_link + layout_.cl_family);
  return WPAFCollection::IsLink(mrin) ? mrin : 0;
}

bool WPAFIndividual::GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) {
  family = GetParentFamily(i);
  mother_relation = 7;
  father_relation = 1;
  return family != 0;
}

void WPAFIndividual::LoadSpouses() {
  if (spouses_loaded_) return;
  spouses_loaded_ = true;
  if (!record_) return;
  WChainGuard guard(1, collection_.RecordLimit(kPafMarriage), kMaxSpouseFamilies);
  guard.ReportDamageTo(view_.DamageLog());
  for (int32_t mrin = view_.I32LE(record_ + layout_.ind_spouse_family); guard.Step(mrin);) {
    const uint64_t marriage = collection_.SpouseFamilyPos(mrin);
    if (marriage == 0) break;
    spouses_.push_back(mrin);
    // The chain goes on with this person's side of the marriage.
    const bool husband = view_.I32LE(marriage + layout_.mar_husband) == rin_;
    mrin = view_.I32LE(marriage + (husband ? layout_.mar_husband_next : layout_.mar_wife_next));
  }
}

int WPAFIndividual::SpouseFamilyCount() {
  LoadSpouses();
  return static_cast<int>(spouses_.size());
}

RecNo WPAFIndividual::GetSpouseFamily(int i) {
  LoadSpouses();
  return i >= 1 && i <= static_cast<int>(spouses_.size()) ? spouses_[i - 1] : 0;
}

bool WPAFIndividual::HasNoParents() { return ParentFamilyCount() == 0; }

bool WPAFIndividual::HasNoSpouseFamilies() { return SpouseFamilyCount() == 0; }

int WPAFIndividual::CitationCount() {
  return citations_.Load(collection_, record_ ? record_ + layout_.ind_citation : 0);
}

std::unique_ptr<WABSCitation> WPAFIndividual::GetCitation(int i) {
  CitationCount();
  return citations_.Get(collection_, i);
}

std::unique_ptr<WABSNote> WPAFIndividual::GetNote() {
  if (!record_) return nullptr;
  const int32_t link = view_.I32LE(record_ + layout_.ind_note);
  return WPAFCollection::IsLink(link) ? collection_.NewNote(link) : nullptr;
}

void WPAFIndividual::CollectOtherEvents(int32_t first) {
  WChainGuard guard(1, collection_.RecordLimit(kPafOtherEvent), kMaxOtherEvents);
  guard.ReportDamageTo(view_.DamageLog());
  for (int32_t n = first; guard.Step(n);) {
    const uint64_t record = collection_.OtherEventPos(n);
    if (record == 0) break;
    other_events_.push_back(record);
    n = view_.I32LE(record);
  }
}

int WPAFIndividual::PictureCount() { return 0; }

std::string WPAFIndividual::GetPictureFile(int) { return std::string(); }

std::string WPAFIndividual::GetPrimaryPictureFile() { return std::string(); }

std::string WPAFIndividual::GetRecordText() { return std::string(); }
