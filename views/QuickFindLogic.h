#pragma once

#include <string>
#include <vector>

#include "model/RecNo.h"
#include "views/IndInfoBox.h"
#include "views/SelectionItems.h"

class WABSCollection;

// Quick find without any drawing: a record number typed or stepped to, previewed in a
// person box, with jumps to the father, the mother, spouses and children.  The dialog
// mirrors this state into its widgets after every call and routes the user's actions
// here.
class WQuickFindLogic {
 public:
  // The search box takes at most this many characters.
  static constexpr int kMaxDigits = 9;

  explicit WQuickFindLogic(WABSCollection* collection);

  // Selects n (the caller passes the active individual).
  void SetSelected(RecNo n);
  // The chosen individual (0 = none).
  RecNo Selected() const { return selected_; }

  // Only the digits 0 to 9 and Backspace can be typed into the search box.
  static bool AcceptsKey(char c) { return (c >= '0' && c <= '9') || c == '\b'; }

  // The search box's text was edited.
  void TextEdited(const std::string& text);
  // Keys in the search box.
  void KeyUp() { Step(1); }
  void KeyDown() { Step(-1); }
  void KeyPageUp() { Step(page_step_); }
  void KeyPageDown() { Step(-page_step_); }
  // The scroll bar moved to a position (a record number).
  void Scroll(int position);
  void PressFather();
  void PressMother();
  // "Spouse(s)" is pressed: rebuilds its menu for the selection.
  void BuildSpouseMenu();
  // An item of the "Spouse(s)" menu was chosen (0-based menu index).
  void ChooseSpouseMenuItem(int index);
  // The menu recorded a choice (ItemSelected): selects its jump-list entry unless that is 0.
  void JumpToChosenItem();
  // Advanced find closed with OK and chose n: n becomes the selection.
  void AdvancedFindChose(RecNo n);

  // State for the widgets.
  int Count() const { return count_; }
  std::string CountText() const { return std::to_string(count_); }
  int PageStep() const { return page_step_; }
  int ScrollMin() const { return 1; }
  int ScrollMax() const { return count_ > 0 ? count_ : 1; }
  int ScrollPosition() const { return scroll_position_; }
  const std::string& SearchText() const { return search_text_; }
  // The selected-number label: its text and whether it is shown.
  std::string SelectedText() const { return std::to_string(selected_); }
  bool SelectedVisible() const { return enabled_; }
  // Father, Mother, Spouse(s), the scroll bar, Advanced Find and OK follow this, and
  // Father, Mother and Spouse(s) their own conditions besides.
  bool ControlsEnabled() const { return enabled_; }
  bool FatherEnabled() const { return enabled_ && father_ != 0; }
  bool MotherEnabled() const { return enabled_ && mother_ != 0; }
  bool SpouseEnabled() const { return enabled_ && spouse_enabled_; }
  const WIndInfoBox& Box() const { return box_; }
  WSelectionItems& SpouseMenu() { return spouse_menu_; }
  const std::vector<RecNo>& JumpList() const { return jump_list_; }

 private:
  // Makes n the selection and shows it; 0 disables the controls.
  void Select(RecNo n);
  void Disable() { enabled_ = false; }
  void Step(int delta);

  WABSCollection* collection_;
  int count_ = 0;
  int page_step_ = 1;
  RecNo selected_ = 0;
  int scroll_position_ = 1;
  std::string search_text_;
  bool enabled_ = false;
  RecNo father_ = 0;
  RecNo mother_ = 0;
  bool spouse_enabled_ = false;
  WIndInfoBox box_;
  WSelectionItems spouse_menu_;
  std::vector<RecNo> jump_list_;
};
