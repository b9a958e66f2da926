#include "model/ABSName.h"

#include "base/Settings.h"
#include "base/TextUtils.h"
#include "model/ABSCitation.h"
#include "model/ABSNote.h"

WABSName::~WABSName() = default;

std::string WABSName::SurnameDisplayForm(const std::string& surname) {
  return Settings().GetBool(WSettings::NameUpper) ? UpperCaseText(surname) : surname;
}

std::string WABSName::BuildFullName(const std::string& prefix, const std::string& given,
                                    const std::string& surname, const std::string& suffix,
                                    bool with_prefix_suffix) {
  const WSettings& options = Settings();
  const bool pre_suf = with_prefix_suffix && options.GetBool(WSettings::PreSuf);
  std::string name;
  if (pre_suf) {
    name += prefix;
    if (!name.empty()) name += ' ';
  }
  name += given;
  if (!name.empty()) name += ' ';
  if (options.GetBool(WSettings::NameSlash)) {
    name += '/' + SurnameDisplayForm(surname) + '/';
  } else {
    name += SurnameDisplayForm(surname);
  }
  if (pre_suf && !suffix.empty()) {
    if (!name.empty()) name += ' ';
    name += suffix;
  }
  return name;
}

std::string WABSName::GetFullName(bool with_prefix_suffix) {
  return BuildFullName(GetPrefix(), GetGivenNames(), GetSurname(), GetSuffix(), with_prefix_suffix);
}

std::string WABSName::GetSurnameText() { return SurnameDisplayForm(GetSurname()); }

std::string WABSName::GetCitationsText() {
  return WABSCitation::ListText(CitationCount(), [this](int i) { return GetCitation(i); });
}

std::string WABSName::GetNoteText() { return WABSNote::TextOf(GetNote().get()); }
