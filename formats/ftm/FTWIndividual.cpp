#include "formats/ftm/FTWIndividual.h"

#include <algorithm>

#include "base/ChainGuard.h"
#include "formats/ftm/FTWDate.h"
#include "formats/ftm/FTWLDSEvent.h"
#include "formats/ftm/FTWName.h"
#include "formats/ftm/FTWNote.h"
#include "formats/ftm/FTWVitEvent.h"
#include "model/ABSCitation.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSName.h"
#include "model/ABSNote.h"
#include "model/ABSVitEvent.h"
#include "model/IndLinks.h"

namespace {

// Parts of the individual's record.
constexpr int kBirthDateAt = 0;
constexpr int kDeathDateAt = 4;
constexpr int kBirthPlaceAt = 8;
constexpr int kDeathPlaceAt = 12;
constexpr int kNoteAt = 20;
constexpr int kSlotFactsAt = 28;
constexpr int kCitationAt = 32;
constexpr int kFlagsAt = 76;
constexpr int kFactsAt = 124;

// The fact-reference slot names the slot of the second date words of birth and death at 0
// and the first fact-list slot at 8; a fact list holds eight entries (a 16-bit key and the
// 32-bit data slot) from byte 10, the next list slot at 0.
constexpr int kSecondDatesAt = 0;
constexpr int kFactListAt = 8;
constexpr int kFactEntriesAt = 10;
constexpr int kFactEntryStep = 6;
constexpr int kFactEntries = 8;

// The record's own fact slot: seven date words from 0 and their text (place) slots from 28,
// marked 0x49 at 59 (the person's number follows at 60).
constexpr int kSlotFacts = 7;
constexpr int kSlotFactTextsAt = 28;
constexpr int kSlotFactsMarkAt = 59;
constexpr uint8_t kSlotFactsMark = 0x49;

// A citation-reference slot names the citation text at 52.
constexpr int kCitationTextAt = 52;

// A fact's data slot: first and second date words, place (or temple) and citation slots.
constexpr int kFactDateAt = 8;
constexpr int kFactSecondDateAt = 12;
constexpr int kFactPlaceAt = 16;
constexpr int kFactCitationAt = 20;

}  // namespace

WFTWIndividual::WFTWIndividual(WFTWCollection& collection, RecNo n)
    : WABSIndividual(n), collection_(collection) {
  Load(n);
}

WFTWIndividual::~WFTWIndividual() = default;

void WFTWIndividual::Reset() {
  WABSIndividual::Reset();
  record_ = 0;
  FreeCache();
}

void WFTWIndividual::FreeCache() {
  facts_loaded_ = false;
  facts_.clear();
  named_ = {};
  change_date_.reset();
  citations_loaded_ = false;
  citations_.clear();
}

void WFTWIndividual::Load(RecNo n) {
  Reset();
  rec_no_ = n;
  record_ = collection_.IndividualOffset(n);
  links_ = collection_.IndLinks();
}

int32_t WFTWIndividual::RecordInt(int at) const {
  return record_ == 0 ? 0 : collection_.View().I32LE(record_ + static_cast<uint64_t>(at));
}

char WFTWIndividual::GetSex() {
  if (record_ == 0) return 'U';
  const int nibble = collection_.View().U8(record_ + kFlagsAt) >> 4;
  if (nibble == 2 || nibble == 10) return 'M';
  if (nibble == 4 || nibble == 12) return 'F';
  return 'U';
}

void WFTWIndividual::LoadFacts() {
  if (facts_loaded_ || record_ == 0) return;
  facts_loaded_ = true;
  const int32_t reference = RecordInt(kFactsAt);
  if (reference > 0 && collection_.SlotOffset(reference) != 0) {
    // A list slot met before ends the list, as does the table's size.
    WChainGuard guard(1, collection_.SlotCount());
    for (int32_t list = collection_.SlotInt(reference, kFactListAt);
         guard.Step(list) && facts_.size() < static_cast<size_t>(WFTWCollection::kMaxFacts);) {
      const uint64_t at = collection_.SlotOffset(list);
      if (at == 0) break;
      for (int k = 0; k < kFactEntries && facts_.size() < static_cast<size_t>(WFTWCollection::kMaxFacts);
           ++k) {
        const uint64_t entry = at + kFactEntriesAt + static_cast<uint64_t>(k * kFactEntryStep);
        Fact fact{collection_.View().U16LE(entry), collection_.View().I32LE(entry + 2)};
        if (fact.key == 0 || fact.data == 0) break;
        facts_.push_back(fact);
      }
      list = collection_.View().I32LE(at);
    }
  }
  if (facts_.empty()) LoadSlotFacts();
  // Each named fact leaves the table: the last entry takes its place.
  for (int n = 0; n < WFTWCollection::kNamedFactCount; ++n) {
    const int key = collection_.NamedFactKey(static_cast<WFTWCollection::NamedFact>(n));
    if (key == 0) continue;
    auto found = std::find_if(facts_.begin(), facts_.end(), [key](const Fact& f) { return f.key == key; });
    if (found == facts_.end()) continue;
    named_[static_cast<size_t>(n)] = *found;
    *found = facts_.back();
    facts_.pop_back();
  }
  const Fact& change = named_[WFTWCollection::nfRecordChange];
  if (change.key != 0) {
    const uint32_t word = static_cast<uint32_t>(collection_.SlotInt(change.data, kFactDateAt));
    if (collection_.SlotOffset(change.data) != 0 && !WFTWDate::IsNone(word))
      change_date_ = std::make_unique<WFTWDate>(word);
  }
}

void WFTWIndividual::LoadSlotFacts() {
  const int32_t slot = RecordInt(kSlotFactsAt);
  const uint64_t at = slot > 0 ? collection_.SlotOffset(slot) : 0;
  if (at == 0 || collection_.View().U8(at + kSlotFactsMarkAt) != kSlotFactsMark) return;
  for (int k = 0; k < kSlotFacts; ++k) {
    const uint32_t date = collection_.View().U32LE(at + 4 * static_cast<uint64_t>(k));
    const int32_t text = collection_.View().I32LE(at + kSlotFactTextsAt + 4 * static_cast<uint64_t>(k));
    if (!WFTWDate::IsNone(date) || text > 0) facts_.push_back(Fact{0, slot, k + 1});
  }
}

const WDate* WFTWIndividual::GetChangeDate() {
  LoadFacts();
  return change_date_.get();
}

std::unique_ptr<WABSName> WFTWIndividual::GetName() {
  if (record_ == 0) return nullptr;
  return std::make_unique<WFTWName>(collection_, record_);
}

int WFTWIndividual::EventCount(int kind) {
  if (record_ == 0) return 0;
  switch (kind) {
    case evBirth:
      return !WFTWDate::IsNone(RecordWord(kBirthDateAt)) || RecordInt(kBirthPlaceAt) != 0 ? 1 : 0;
    case evDeath:
      return !WFTWDate::IsNone(RecordWord(kDeathDateAt)) || RecordInt(kDeathPlaceAt) != 0 ? 1 : 0;
    case evChristening:
    case evBurial:
      LoadFacts();
      return named_[kind == evChristening ? WFTWCollection::nfChristening : WFTWCollection::nfBurial].key != 0
                 ? 1
                 : 0;
    case evOther:
      LoadFacts();
      return static_cast<int>(facts_.size());
    default:
      return 0;
  }
}

std::unique_ptr<WABSVitEvent> WFTWIndividual::FactEvent(int kind, const Fact& fact) {
  const int32_t slot = fact.data;
  auto at = [&](int offset) { return collection_.SlotInt(slot, offset); };
  if (fact.number > 0) {
    const int k = fact.number - 1;
    auto event = std::make_unique<WFTWVitEvent>(collection_, kind, 0, static_cast<uint32_t>(at(4 * k)), 0,
                                                at(kSlotFactTextsAt + 4 * k), 0);
    event->SetTypeName("Fact " + std::to_string(fact.number));
    return event;
  }
  if (fact.key == 0) return nullptr;
  return std::make_unique<WFTWVitEvent>(collection_, kind, fact.key, static_cast<uint32_t>(at(kFactDateAt)),
                                        static_cast<uint32_t>(at(kFactSecondDateAt)), at(kFactPlaceAt),
                                        at(kFactCitationAt));
}

std::unique_ptr<WABSVitEvent> WFTWIndividual::GetEvent(int kind, int index) {
  if (record_ == 0) return nullptr;
  switch (kind) {
    case evBirth:
    case evDeath: {
      const uint32_t first = RecordWord(kind == evBirth ? kBirthDateAt : kDeathDateAt);
      const int32_t place = RecordInt(kind == evBirth ? kBirthPlaceAt : kDeathPlaceAt);
      if (WFTWDate::IsNone(first) && place == 0) return nullptr;
      uint32_t second = 0;
      // Only a range of two full dates has a second word, kept beside the fact list.
      const int32_t reference = RecordInt(kFactsAt);
      if ((first & 7) == 6 && reference > 0 && collection_.SlotOffset(reference) != 0)
        second = static_cast<uint32_t>(
            collection_.SlotInt(collection_.SlotInt(reference, kSecondDatesAt), kind == evBirth ? 0 : 4));
      return std::make_unique<WFTWVitEvent>(collection_, kind, 0, first, second, place, 0);
    }
    case evChristening:
    case evBurial:
      LoadFacts();
      return FactEvent(
          kind, named_[kind == evChristening ? WFTWCollection::nfChristening : WFTWCollection::nfBurial]);
    case evOther:
      LoadFacts();
      if (index < 1 || static_cast<size_t>(index) > facts_.size()) return nullptr;
      return FactEvent(kind, facts_[static_cast<size_t>(index) - 1]);
    default:
      return nullptr;
  }
}

std::unique_ptr<WABSLDSEvent> WFTWIndividual::GetLDSEvent(int kind) {
  if (record_ == 0 || kind < evLDSBaptism || kind > evSealingToParents) return nullptr;
  LoadFacts();
  const Fact& fact = named_[static_cast<size_t>(WFTWCollection::nfLDSBaptism + (kind - evLDSBaptism))];
  if (fact.key == 0) return nullptr;
  return std::make_unique<WFTWLDSEvent>(collection_, kind, fact.key,
                                        static_cast<uint32_t>(collection_.SlotInt(fact.data, kFactDateAt)),
                                        collection_.SlotInt(fact.data, kFactPlaceAt));
}

int WFTWIndividual::ParentFamilyCount() { return links_ ? links_->ParentFamilyCount(rec_no_) : 0; }

RecNo WFTWIndividual::GetParentFamily(int i) { return links_ ? links_->GetParentFamily(rec_no_, i) : 0; }

bool WFTWIndividual::GetParentFamilyLink(int i, RecNo& family, int& mother_relation, int& father_relation) {
  family = GetParentFamily(i);
  mother_relation = 7;
  father_relation = 1;
  return true;
}

int WFTWIndividual::SpouseFamilyCount() { return links_ ? links_->SpouseFamilyCount(rec_no_) : 0; }

RecNo WFTWIndividual::GetSpouseFamily(int i) { return links_ ? links_->GetSpouseFamily(rec_no_, i) : 0; }

int WFTWIndividual::CitationCount() {
  if (!citations_loaded_) {
    citations_loaded_ = true;
    const int32_t reference = RecordInt(kCitationAt);
    if (reference > 0 && collection_.SlotOffset(reference) != 0)
      collection_.ReadCitations(collection_.SlotInt(reference, kCitationTextAt), citations_);
  }
  return static_cast<int>(citations_.size());
}

std::unique_ptr<WABSCitation> WFTWIndividual::GetCitation(int i) {
  CitationCount();
  return WFTWCitation::ItemAt(collection_, citations_, i);
}

std::unique_ptr<WABSNote> WFTWIndividual::GetNote() {
  return WFTWNote::OfReference(collection_, RecordInt(kNoteAt));
}
