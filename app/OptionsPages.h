#pragma once

#include <array>
#include <span>
#include <string>

#include "app/Options.h"

// The contents of the options dialog without its widgets: its tabs (General and Display, then the
// tab each registered reader declares for its own settings), their controls with captions and the
// settings they stand for, and the values the controls hold while the dialog is open.  Load()
// fills the values from the settings; Save() writes every one back.
class WOptionsPages {
 public:
  // Tabs are numbered from 0; the readers' tabs follow the two fixed ones.
  using Tab = int;
  static constexpr Tab GeneralTab = 0;
  static constexpr Tab DisplayTab = 1;
  enum class Kind { CheckBox, RadioGroup };
  struct Control {
    Tab tab;
    Kind kind;
    const char* caption;  // "" for the radio group, which has item captions instead
    WOptions::Id setting;
  };

  static constexpr const char* kCaption = "Options";

  static int TabCount();
  // "" for a tab beyond TabCount.
  static const char* TabCaption(Tab tab);
  // The text shown under the controls of a tab ("" when it has none).
  static const char* TabNote(Tab tab);
  // The tab with that caption; -1 when there is none.
  static Tab FindTab(const std::string& caption);
  // Every control in the order it is shown, tab by tab.
  static std::span<const Control> Controls();
  static const std::array<const char*, 3>& RadioItems();

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
