#include "formats/tmg/TMGEvent.h"

#include "base/Settings.h"
#include "formats/tmg/TMGCitation.h"
#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGEventSent.h"
#include "formats/tmg/TMGNote.h"
#include "formats/tmg/TMGTabG.h"
#include "formats/tmg/TMGTabS.h"
#include "model/ABSPlace.h"

WTMGEvent::WTMGEvent(WTMGCollection& collection, int event_pos) : collection_(collection), pos_(event_pos) {}

const std::vector<int>& WTMGEvent::Citations() const {
  if (!citations_found_) {
    citations_found_ = true;
    citations_ = collection_.Citations().CitationsOf('E', collection_.Events().RecNo(pos_));
  }
  return citations_;
}

std::string WTMGEvent::DateText() const { return collection_.Events().DateText(pos_); }

std::string WTMGEvent::SortDateText() const { return collection_.Events().SortDateText(pos_); }

std::unique_ptr<WABSPlace> WTMGEvent::Place() const {
  return collection_.MakePlace(collection_.Events().PlaceNum(pos_));
}

std::unique_ptr<WABSCitation> WTMGEvent::Citation(int i) const {
  return WTMGCitation::At(collection_, citations_, i);
}

std::unique_ptr<WABSNote> WTMGEvent::Note() const {
  const WTMGTabG& events = collection_.Events();
  std::unique_ptr<WABSNote> note = WTMGNote::FromMemo(events.FootMemo(pos_));
  if (!Settings().GetBool(WSettings::TMGTagSent)) return note;
  std::unique_ptr<WTMGEventSent> sentence = collection_.MakeEventSentence(pos_, events.Type(pos_));
  return WTMGNote::WithSentence(std::move(note), sentence->GetSentenceText());
}
