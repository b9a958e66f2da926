#include "app/OptionsPages.h"

namespace {

using K = WOptionsPages::Kind;
using T = WOptionsPages::Tab;

const WOptionsPages::Control kControls[] = {
    {T::GeneralTab, K::CheckBox, "Restore settings at startup", WOptions::OpenLastFile},
    {T::GeneralTab, K::CheckBox, "Reload last file viewed", WOptions::LoadLastFile},
    {T::GeneralTab, K::CheckBox, "Reload files that change on disk without asking", WOptions::AutoReload},
    {T::GeneralTab, K::CheckBox, "Automatic Search in Find Dialog Box", WOptions::AutoSearch},
    {T::GeneralTab, K::CheckBox, "Check for updates (every 30 days)", WOptions::CheckUpdates},
    {T::DisplayTab, K::CheckBox, "Use LDS information", WOptions::UseLDS},
    {T::DisplayTab, K::CheckBox, "Display Individual Popups in the Family Tab", WOptions::ShowIndHint},
    {T::DisplayTab, K::CheckBox,
     "After an Individual's name, display to following value:", WOptions::FNValueFlag},
    {T::DisplayTab, K::RadioGroup, "", WOptions::FNValue},
    {T::DisplayTab, K::CheckBox, "Use Christening/Burial dates for age calculations", WOptions::AgeCalcCB},
    {T::DisplayTab, K::CheckBox, "Display \"/\" around Surnames", WOptions::NameSlash},
    {T::DisplayTab, K::CheckBox, "Display Surnames in UPPERCASE", WOptions::NameUpper},
    {T::DisplayTab, K::CheckBox, "Display Prefix and Suffix", WOptions::PreSuf},
    {T::DisplayTab, K::CheckBox, "Display events in chronological order in Individual Tab", WOptions::Chrono},
    {T::DisplayTab, K::CheckBox, "Use Christening/Burial if Birth/Death is missing", WOptions::FamBirChr},
    {T::TMGTab, K::CheckBox, "Display Tag Sentence Construction Rules in Individual Tab",
     WOptions::TMGTagSent},
    {T::TMGTab, K::CheckBox, "When contructing marriages, include the Engagement Tag", WOptions::TMGEngage},
    {T::LegacyTab, K::CheckBox, "Cache Names of Individuals for faster displaying", WOptions::LEGCacheNames},
};

const WOptions::Id kDisplaySettings[] = {WOptions::UseLDS, WOptions::Chrono, WOptions::TMGTagSent,
                                         WOptions::ShowIndHint, WOptions::FamBirChr};

}  // namespace

const char* WOptionsPages::TabCaption(Tab tab) {
  switch (tab) {
    case GeneralTab:
      return "General";
    case DisplayTab:
      return "Display";
    case TMGTab:
      return "TMG";
    case LegacyTab:
      return "Legacy";
    default:
      return "";
  }
}

const char* WOptionsPages::TabNote(Tab tab) {
  switch (tab) {
    case TMGTab:
      return "(The TMG database must be re-loaded when changed)";
    case LegacyTab:
      return "Caching individual names causes slower loading time, but speeds up the displaying of "
             "information.  However, it requires more memory for this option.";
    default:
      return "";
  }
}

std::span<const WOptionsPages::Control> WOptionsPages::Controls() { return kControls; }

const std::array<const char*, 3>& WOptionsPages::RadioItems() {
  static const std::array<const char*, 3> items = {"[RIN]", "(ID)", "{Custom ID}"};
  return items;
}

std::span<const WOptions::Id> WOptionsPages::DisplaySettings() { return kDisplaySettings; }

void WOptionsPages::Load(const WOptions& options) {
  for (const Control& c : kControls) {
    if (c.kind == Kind::CheckBox) {
      checked_[c.setting] = options.GetBool(c.setting);
    } else {
      radioOriginal_ = options.GetString(c.setting);
      int value = options.GetInt(c.setting);
      radioIndex_ = value >= 1 && value <= static_cast<int>(RadioItems().size()) ? value - 1 : -1;
    }
  }
}

void WOptionsPages::Save(WOptions& options) const {
  for (const Control& c : kControls) {
    if (c.kind == Kind::CheckBox)
      options.SetBool(c.setting, checked_[c.setting]);
    else if (radioIndex_ >= 0)  // written also while the group is disabled
      options.SetInt(c.setting, radioIndex_ + 1);
    else
      options.SetString(c.setting, radioOriginal_);
  }
}

bool WOptionsPages::Checked(WOptions::Id setting) const {
  return setting >= 0 && setting <= WOptions::kMaxId && checked_[setting];
}

void WOptionsPages::SetChecked(WOptions::Id setting, bool checked) {
  if (setting >= 0 && setting <= WOptions::kMaxId) checked_[setting] = checked;
}

void WOptionsPages::SetRadioIndex(int index) {
  radioIndex_ = index >= 0 && index < static_cast<int>(RadioItems().size()) ? index : -1;
}
