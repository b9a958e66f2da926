#include "formats/paf/PAFMarriage.h"

#include <algorithm>

#include "base/ChainGuard.h"
#include "base/Date.h"
#include "base/Settings.h"
#include "formats/paf/PAFCollection.h"
#include "model/ABSCitation.h"
#include "model/ABSIndividual.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSNote.h"
#include "model/ABSVitEvent.h"

WPAFMarriage::WPAFMarriage(WPAFCollection& collection, RecNo mrin, uint64_t record)
    : WABSMarriage(mrin), collection_(collection), view_(collection.View()), layout_(collection.Layout()) {
  WPAFMarriage::BindRecord(record);
}

void WPAFMarriage::BindRecord(uint64_t record) {
  record_ = record;
  children_.clear();
  citations_.Clear();
  citation_count_ = 0;
  child_count_ = 0;
  if (!record_) return;
  // Repetition is told by the child links themselves: two links to deleted people both
  // resolve to no one, and the living children after them still count.
  WChainGuard guard(1, collection_.RecordLimit(kPafChildLink));
  guard.ReportDamageTo(view_.DamageLog());
  for (int32_t link = view_.I32LE(record_ + layout_.mar_first_child);
       children_.size() < kMaxChildren && guard.Step(link);) {
    const uint64_t child_link = collection_.ChildLinkPos(link);
    if (child_link == 0) break;
    const RecNo child = collection_.FileNumberToRecord(view_.I32LE(child_link + layout_.cl_child));
    if (child > 0 && std::find(children_.begin(), children_.end(), child) == children_.end())
      children_.push_back(child);
    link = view_.I32LE(child_link + layout_.cl_next_child);
  }
  child_count_ = static_cast<int32_t>(children_.size());
}

void WPAFMarriage::LoadDate() {
  if (!date_ && record_ && view_.I32LE(record_ + layout_.mar_event) != 0)
    date_ = collection_.NewDate(record_ + layout_.mar_event);
}

RecNo WPAFMarriage::PersonAt(uint32_t offset) {
  if (!record_) return 0;
  const int32_t rin = view_.I32LE(record_ + offset);
  return WPAFCollection::IsLink(rin) ? collection_.FileNumberToRecord(rin) : 0;
}

RecNo WPAFMarriage::GetHusband() { return PersonAt(layout_.mar_husband); }

RecNo WPAFMarriage::GetWife() { return PersonAt(layout_.mar_wife); }

int WPAFMarriage::SpouseCount() {
  if (!record_) return 0;
  return (WPAFCollection::IsLink(view_.I32LE(record_ + layout_.mar_husband)) ? 1 : 0) +
         (WPAFCollection::IsLink(view_.I32LE(record_ + layout_.mar_wife)) ? 1 : 0);
}

RecNo WPAFMarriage::GetChild(int i) {
  return i >= 1 && i <= static_cast<int>(children_.size()) ? children_[i - 1] : 0;
}

void WPAFMarriage::OrderChildren() {
  if (ordered_ || !Settings().GetBool(WSettings::SortChildren) || children_.size() < 2) return;
  struct Entry {
    RecNo child;
    std::unique_ptr<WABSVitEvent> birth;
  };
  std::vector<Entry> entries;
  for (RecNo child : children_) {
    std::unique_ptr<WABSIndividual> person = collection_.GetIndividual(child);
    entries.push_back({child, person ? person->GetEvent(evBirth, 1) : nullptr});
  }
  auto date_of = [](const Entry& e) -> const WDate* { return e.birth ? e.birth->GetDate() : nullptr; };
  // Children without a birth date move toward the end.
  for (size_t i = 0; i + 1 < entries.size(); ++i) {
    const WDate* m = date_of(entries[i]);
    for (size_t j = i + 1; j < entries.size(); ++j) {
      const WDate* d = date_of(entries[j]);
      if (!m || (d && m->Compare(d) > 0)) {
        std::swap(entries[i], entries[j]);
        m = d;
      }
    }
  }
  for (size_t i = 0; i < entries.size(); ++i) children_[i] = entries[i].child;
  ordered_ = true;
}

int WPAFMarriage::SealingCount() {
  return record_ && view_.I32LE(record_ + layout_.mar_sealing) != 0 ? 1 : 0;
}

std::unique_ptr<WABSLDSEvent> WPAFMarriage::GetSealing(int i) {
  if (i != 1 || SealingCount() == 0) return nullptr;
  return NewSealing(record_ + layout_.mar_sealing);
}

std::string WPAFMarriage::GetRecordText() { return std::string(); }

void WPAFMarriage::LoadCitations() {
  citation_count_ =
      citations_.Load(collection_, record_ ? record_ + layout_.mar_event + layout_.event_citation : 0);
}

int WPAFMarriage::CitationCount() {
  LoadCitations();
  return citation_count_;
}

std::unique_ptr<WABSCitation> WPAFMarriage::GetCitation(int i) {
  LoadCitations();
  return citations_.Get(collection_, i);
}

std::unique_ptr<WABSNote> WPAFMarriage::GetNote() {
  if (!record_) return nullptr;
  const int32_t link = view_.I32LE(record_ + layout_.mar_note);
  return WPAFCollection::IsLink(link) ? collection_.NewNote(link) : nullptr;
}
