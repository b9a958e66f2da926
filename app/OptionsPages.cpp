#include "app/OptionsPages.h"

#include <iterator>
#include <vector>

#include "formats/Readers.h"

namespace {

using K = WOptionsPages::Kind;
using T = WOptionsPages;

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
};

// The position of the reader tab with that caption among the tabs; -1 when none has it.
int ReaderTabIndex(const std::string& caption, const std::vector<const WReaderInfo::OptionsTab*>& tabs) {
  for (size_t i = 0; i < tabs.size(); ++i)
    if (tabs[i]->caption == caption) return static_cast<int>(i);
  return -1;
}

// The dialog's tabs and controls: the fixed ones, then each reader's tab in registry order (a tab
// that two readers declare under one caption once).
struct Pages {
  std::vector<const WReaderInfo::OptionsTab*> reader_tabs;
  std::vector<WOptionsPages::Control> controls;

  Pages() {
    controls.assign(std::begin(kControls), std::end(kControls));
    for (const WReaderInfo* reader : RegisteredReaders()) {
      const WReaderInfo::OptionsTab& tab = reader->options;
      if (tab.caption.empty() || ReaderTabIndex(tab.caption, reader_tabs) >= 0) continue;
      reader_tabs.push_back(&tab);
      const int number = WOptionsPages::DisplayTab + static_cast<int>(reader_tabs.size());
      for (const WReaderInfo::OptionsTab::CheckBox& box : tab.check_boxes)
        controls.push_back({number, K::CheckBox, box.caption, static_cast<WOptions::Id>(box.setting)});
    }
  }
};

const Pages& ThePages() {
  static const Pages pages;
  return pages;
}

}  // namespace

int WOptionsPages::FindTab(const std::string& caption) {
  if (caption == "General") return GeneralTab;
  if (caption == "Display") return DisplayTab;
  const int index = ReaderTabIndex(caption, ThePages().reader_tabs);
  return index < 0 ? -1 : DisplayTab + 1 + index;
}

int WOptionsPages::TabCount() { return DisplayTab + 1 + static_cast<int>(ThePages().reader_tabs.size()); }

const char* WOptionsPages::TabCaption(Tab tab) {
  if (tab == GeneralTab) return "General";
  if (tab == DisplayTab) return "Display";
  if (tab > DisplayTab && tab < TabCount()) return ThePages().reader_tabs[tab - DisplayTab - 1]->caption.c_str();
  return "";
}

const char* WOptionsPages::TabNote(Tab tab) {
  if (tab > DisplayTab && tab < TabCount()) return ThePages().reader_tabs[tab - DisplayTab - 1]->note.c_str();
  return "";
}

std::span<const WOptionsPages::Control> WOptionsPages::Controls() { return ThePages().controls; }

const std::array<const char*, 3>& WOptionsPages::RadioItems() {
  static const std::array<const char*, 3> items = {"[RIN]", "(ID)", "{Custom ID}"};
  return items;
}

void WOptionsPages::Load(const WOptions& options) {
  for (const Control& c : Controls()) {
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
  for (const Control& c : Controls()) {
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
