#include "formats/tmg/TMGNameEvent.h"

#include "base/Settings.h"
#include "formats/tmg/TMGCitation.h"
#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGDate.h"
#include "formats/tmg/TMGName.h"
#include "formats/tmg/TMGNameSent.h"
#include "formats/tmg/TMGNote.h"
#include "formats/tmg/TMGTabN.h"
#include "formats/tmg/TMGTabS.h"
#include "formats/tmg/TMGTabT.h"

WTMGNameEvent::WTMGNameEvent(WTMGCollection& collection, int name_pos, RecNo person)
    : collection_(collection),
      name_pos_(name_pos),
      person_(person),
      type_(collection.Names().AltType(name_pos)) {
  SetKind(6);
  SetTypeName(collection.TagTypes().TagName(type_));
  SetDescription(collection.MakeName(name_pos)->GetFullName(true));
}

int WTMGNameEvent::CitationCount() {
  if (!citations_found_) {
    citations_found_ = true;
    citations_ = collection_.Citations().CitationsOf('N', collection_.Names().RecNo(name_pos_));
  }
  return static_cast<int>(citations_.size());
}

void WTMGNameEvent::LoadDate() {
  if (!date_)
    date_ = std::make_unique<WTMGDate>(collection_.Names().DateText(name_pos_), WTMGDate::Form::Long);
}

std::unique_ptr<WABSCitation> WTMGNameEvent::GetCitation(int i) {
  CitationCount();
  return WTMGCitation::At(collection_, citations_, i);
}

std::unique_ptr<WABSNote> WTMGNameEvent::GetNote() {
  std::unique_ptr<WABSNote> note = WTMGNote::FromMemo(collection_.Names().NoteMemo(name_pos_));
  if (!Settings().GetBool(WSettings::TMGTagSent)) return note;
  std::unique_ptr<WTMGEventSent> sentence = collection_.MakeNameSentence(name_pos_, type_, person_);
  return WTMGNote::WithSentence(std::move(note), sentence->GetSentenceText());
}
