#include "formats/tmg/TMGMarriage.h"

#include "formats/tmg/TMGCitation.h"
#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGDate.h"
#include "formats/tmg/TMGLDSEvent.h"
#include "formats/tmg/TMGNote.h"
#include "formats/tmg/TMGTabG.h"
#include "formats/tmg/TMGTabS.h"
#include "formats/tmg/TMGTab_.h"
#include "model/FamLinks.h"

WTMGMarriage::WTMGMarriage(WTMGCollection& collection, RecNo family)
    : WABSMarriage(family), collection_(collection), event_pos_(collection.MarriageEventOf(family)) {
  child_count_ = collection.FamLinks()->ChildCount(family);
}

int WTMGMarriage::CitationCount() {
  if (!citations_found_) {
    citations_found_ = true;
    if (event_pos_ > 0)
      citations_ = collection_.Citations().CitationsOf('E', collection_.Events().RecNo(event_pos_));
  }
  return static_cast<int>(citations_.size());
}

void WTMGMarriage::LoadDate() {
  if (date_ || event_pos_ < 1) return;
  date_ = std::make_unique<WTMGDate>(collection_.Events().DateText(event_pos_), WTMGDate::Form::Long);
}

void WTMGMarriage::LoadSortDate() {
  if (event_pos_ < 1 || (sort_date_ && !sort_date_shared_)) return;
  SetOwnSortDate(
      std::make_unique<WTMGDate>(collection_.Events().SortDateText(event_pos_), WTMGDate::Form::Long));
}

RecNo WTMGMarriage::GetHusband() { return collection_.FamLinks()->GetHusband(rec_no_); }
RecNo WTMGMarriage::GetWife() { return collection_.FamLinks()->GetWife(rec_no_); }
RecNo WTMGMarriage::GetChild(int i) { return collection_.FamLinks()->GetChild(rec_no_, i); }
int WTMGMarriage::SpouseCount() { return (GetHusband() != 0 ? 1 : 0) + (GetWife() != 0 ? 1 : 0); }
void WTMGMarriage::OrderChildren() { collection_.FamLinks()->OrderChildren(rec_no_, collection_); }

std::string WTMGMarriage::GetPlaceText() {
  return event_pos_ > 0 ? collection_.PlaceText(collection_.Events().PlaceNum(event_pos_)) : std::string();
}

std::unique_ptr<WABSCitation> WTMGMarriage::GetCitation(int i) {
  CitationCount();
  return WTMGCitation::At(collection_, citations_, i);
}

std::unique_ptr<WABSNote> WTMGMarriage::GetNote() {
  if (event_pos_ < 1 || collection_.Events().FootBlock(event_pos_) <= 0) return nullptr;
  return std::make_unique<WTMGNote>(collection_.Events().FootMemo(event_pos_));
}

void WTMGMarriage::ListSealings() {
  if (sealings_listed_) return;
  sealings_listed_ = true;
  const WTMGTab_& people = collection_.People();
  const RecNo husband = GetHusband();
  const RecNo wife = GetWife();
  const int first = husband != 0 ? people.PerNo(husband) : wife != 0 ? people.PerNo(wife) : 0;
  const int second = husband != 0 && wife != 0 ? people.PerNo(wife) : 0;
  if (first < 1) return;
  const WTMGTabG& events = collection_.Events();
  const WTMGCollection::EventRun run = collection_.EventsOf(first);
  for (int i = run.first; i < run.end && sealings_.size() < kMaxSealings; ++i) {
    const int e = events.Order().PositionAt(i);
    if (collection_.IsSealingType(events.Type(e)) && events.Per2(e) == second) sealings_.push_back(e);
  }
}

int WTMGMarriage::SealingCount() {
  ListSealings();
  return static_cast<int>(sealings_.size());
}

std::unique_ptr<WABSLDSEvent> WTMGMarriage::GetSealing(int i) {
  ListSealings();
  if (i < 1 || static_cast<size_t>(i) > sealings_.size()) return nullptr;
  const int e = sealings_[static_cast<size_t>(i - 1)];
  return std::make_unique<WTMGLDSEvent>(collection_, e, collection_.SealingTagOf(e), 9);
}
