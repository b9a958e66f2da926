#include "model/ABSEvent.h"

#include "base/Date.h"
#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

WABSEvent::WABSEvent() = default;

WABSEvent::~WABSEvent() = default;

void WABSEvent::LoadSortDate() {
  LoadDate();
  SetOwnSortDate(nullptr);
  sort_date_shared_ = true;
}

void WABSEvent::SetOwnSortDate(std::unique_ptr<WDate> date) {
  sort_date_ = std::move(date);
  sort_date_shared_ = false;
}

std::string WABSEvent::GetDescription() { return description_; }

int WABSEvent::CitationCount() { return citation_count_; }

const WDate* WABSEvent::GetDate() {
  LoadDate();
  return date_.get();
}

const WDate* WABSEvent::GetSortDate() {
  LoadSortDate();
  return sort_date_shared_ ? date_.get() : sort_date_.get();
}

bool WABSEvent::HasValidDate() {
  const WDate* date = GetDate();
  return date && date->IsValid();
}

std::string WABSEvent::GetDateText() {
  const WDate* date = GetDate();
  return date ? date->GetDisplayText() : std::string();
}

std::string WABSEvent::GetSortDateText() {
  const WDate* date = GetSortDate();
  return date ? date->GetDisplayText() : std::string();
}

std::string WABSEvent::GetPlaceText() {
  std::unique_ptr<WABSPlace> place = GetPlace();
  return place ? place->GetDisplayText() : std::string();
}

std::string WABSEvent::GetCitationsText() {
  return WABSCitation::ListText(CitationCount(), [this](int i) { return GetCitation(i); });
}

std::string WABSEvent::GetNoteText() { return WABSNote::TextOf(GetNote().get()); }
