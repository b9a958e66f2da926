#include "model/ABSPlace.h"

#include "base/Settings.h"
#include "base/TextUtils.h"
#include "model/ABSCitation.h"
#include "model/ABSNote.h"

WABSPlace::~WABSPlace() = default;

int WABSPlace::CitationCount() { return citation_count_; }

std::string WABSPlace::DisplayTextOf(const std::string& place) {
  std::string text = TrimText(place);
  if (Settings().GetBool(WSettings::PlaceCommas)) {
    size_t skip = 0;
    while (skip < text.size() && (text[skip] == ' ' || text[skip] == ',')) ++skip;
    text = TrimText(std::string_view(text).substr(skip));
  }
  return text;
}

std::string WABSPlace::GetDisplayText() { return DisplayTextOf(GetName()); }

std::string WABSPlace::GetCitationsText() {
  return WABSCitation::ListText(CitationCount(), [this](int i) { return GetCitation(i); });
}
