#pragma once

#include <array>
#include <span>
#include <string>

#include "app/Options.h"

// The contents of the options dialog without its widgets: the four tabs, their controls with
// captions and the settings they stand for, and the values the controls hold while the dialog is
// open.  Load() fills the values from the settings; Save() writes every one back.
class WOptionsPages {
 public:
  enum Tab { GeneralTab = 0, DisplayTab = 1, TMGTab = 2, LegacyTab = 3, kTabCount = 4 };
  enum class Kind { CheckBox, RadioGroup };
  struct Control {
    Tab tab;
    Kind kind;
    const char* caption;  // "" for the radio group, which has item captions instead
    WOptions::Id setting;
  };

  static constexpr const char* kCaption = "Options";

  static const char* TabCaption(Tab tab);
  // The text shown under the controls of a tab ("" when it has none).
  static const char* TabNote(Tab tab);
  // Every control in the order it is shown, tab by tab.
  static std::span<const Control> Controls();
  static const std::array<const char*, 3>& RadioItems();
  // The settings re-applied to the tabs after OK.
  static std::span<const WOptions::Id> DisplaySettings();

  void Load(const WOptions& options);
  void Save(WOptions& options) const;

  bool Checked(WOptions::Id setting) const;
  void SetChecked(WOptions::Id setting, bool checked);
  // The radio group's item (0..2), or -1 when the setting names none of them.
  int RadioIndex() const { return radioIndex_; }
  void SetRadioIndex(int index);
  // The radio group can be used only while its check box is ticked.
  bool RadioEnabled() const { return Checked(WOptions::FNValueFlag); }

 private:
  std::array<bool, WOptions::kMaxId + 1> checked_{};
  int radioIndex_ = 0;
  std::string radioOriginal_;  // the stored value, kept when no item is selected
};
