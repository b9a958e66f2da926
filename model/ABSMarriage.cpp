#include "model/ABSMarriage.h"

#include "base/Date.h"
#include "model/ABSCitation.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSNote.h"

WABSMarriage::WABSMarriage(RecNo rec_no) : WABSCollectionItem(rec_no) {}

WABSMarriage::~WABSMarriage() = default;

void WABSMarriage::LoadSortDate() {
  LoadDate();
  SetOwnSortDate(nullptr);
  sort_date_shared_ = true;
}

void WABSMarriage::SetOwnSortDate(std::unique_ptr<WDate> date) {
  sort_date_ = std::move(date);
  sort_date_shared_ = false;
}

bool WABSMarriage::IsSynthesized() { return false; }

int WABSMarriage::CitationCount() { return citation_count_; }

RecNo WABSMarriage::GetOtherSpouse(RecNo spouse) { return spouse == GetHusband() ? GetWife() : GetHusband(); }

const WDate* WABSMarriage::GetDate() {
  LoadDate();
  return date_.get();
}

const WDate* WABSMarriage::GetSortDate() {
  LoadSortDate();
  return sort_date_shared_ ? date_.get() : sort_date_.get();
}

std::string WABSMarriage::GetDateText() {
  const WDate* date = GetDate();
  return date ? date->GetDisplayText() : std::string();
}

std::string WABSMarriage::GetSortDateText() {
  const WDate* date = GetSortDate();
  return date ? date->GetDisplayText() : std::string();
}

std::string WABSMarriage::GetDatePlaceText() {
  std::string text = GetDateText();
  std::string place = GetPlaceText();
  if (!place.empty()) text += ", " + place;
  return text;
}

std::string WABSMarriage::GetNoteText() { return WABSNote::TextOf(GetNote().get()); }

std::string WABSMarriage::GetCitationsText() {
  return WABSCitation::ListText(CitationCount(), [this](int i) { return GetCitation(i); });
}
