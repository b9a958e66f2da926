#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/RecNo.h"
#include "views/SelectionItems.h"

class WABSCollection;

// What the individual scroller shows and how it moves, without any drawing: the scroll
// bar's range and position over the display positions of the collection, the caption with
// its hint, the father, mother and spouse buttons with their hints and enabling, the
// spouse-and-children menu with the record behind each item, and the back and forward
// history.  The active individual is always the record at the scroll position.
//
// The GUI's strip mirrors this state into its widgets after every OnChange and routes the
// user's actions to the operations below.
class WIndScrollLogic {
 public:
  // The jump list has room for this many entries.
  static constexpr int kMaxJumps = 500;

  WIndScrollLogic();

  // Does nothing for the collection already shown; otherwise resets the strip: empty
  // history, individual 1 active (none shown and everything disabled without a collection).
  // The collection is not owned.
  void SetCollection(WABSCollection* collection);
  WABSCollection* Collection() const { return collection_; }

  // Makes individual n active and records the step in the back history (the forward
  // history stays).  Ignored for n <= 0 or without a collection.
  void GoToIndividual(RecNo n);
  // The record at the scroll position (the raw position without a collection).
  RecNo CurrentIndividual() const;

  // The active individual and the history by identifier, to carry them over a reload of the
  // file, where record numbers may name other people.
  struct Kept {
    std::string current;
    std::vector<std::string> back;
    std::vector<std::string> forward;
  };
  Kept Keep() const;
  // After SetCollection on the reloaded file: the kept individual is made active (the first
  // one when the file no longer has it) and the history keeps the people still found.
  void Restore(const Kept& kept);

  void GoBack();
  void GoForward();
  bool CanGoBack() const { return !back_.empty(); }
  bool CanGoForward() const { return !forward_.empty(); }

  // Rebuilds the caption text only (after the name display settings changed).
  void RefreshCaption();

  // The user moved the scroll bar to a position.  `tracking` while the thumb is being
  // dragged: the active individual follows, but only the release counts as a history step.
  // Any other move empties the forward history.
  void UserScroll(int position, bool tracking);

  // The "F" and "M" buttons: go to the father (mother) of the active individual, if known.
  void GoToFather();
  void GoToMother();
  // "S" is pressed: rebuilds the spouse-and-children menu for the active individual.
  void BuildSpouseMenu();
  // The spouse-and-children menu of individual n as one item text ("Spouse: " lines, each
  // followed by its children's labels), with the record behind each item in `jumps` (at
  // most kMaxJumps).  The children are put in order first when `order_children` is set.
  static std::string SpouseMenuItems(WABSCollection& collection, RecNo n, bool order_children,
                                     std::vector<RecNo>& jumps);
  // An item of the "S" menu was chosen (0-based menu index): goes to the person behind it.
  void ChooseSpouseMenuItem(int index);

  // The strip's state.
  const std::string& Caption() const { return caption_; }
  const std::string& CaptionHint() const { return caption_hint_; }
  bool ScrollEnabled() const { return scroll_enabled_; }
  int ScrollMin() const { return 1; }
  int ScrollMax() const { return scroll_max_; }
  int ScrollPosition() const { return position_; }
  int ScrollPageStep() const { return page_step_; }
  bool FatherEnabled() const { return father_enabled_; }
  const std::string& FatherHint() const { return father_hint_; }
  bool MotherEnabled() const { return mother_enabled_; }
  const std::string& MotherHint() const { return mother_hint_; }
  bool SpouseEnabled() const { return spouse_enabled_; }
  // The "S" button's menu.
  WSelectionItems& SpouseMenu() { return spouse_menu_; }
  const WSelectionItems& SpouseMenu() const { return spouse_menu_; }
  // The record behind each menu item that is not a separator, in order (0 for a spouse
  // that is not known).
  const std::vector<RecNo>& JumpList() const { return jump_list_; }
  // The history: the entry most recently pushed last.
  const std::vector<RecNo>& BackHistory() const { return back_; }
  const std::vector<RecNo>& ForwardHistory() const { return forward_; }

  // Raised after the active individual or the collection changed.
  std::function<void()> OnChange;

 private:
  // Moves the scroll position (kept within the range); a change runs Update.
  void SetPosition(int position, bool notify);
  // Rebuilds caption, hints and button states for the active individual; raises OnChange
  // when `notify` is set.
  void Update(bool notify);
  bool BuildCaption(RecNo n);
  void PushBack(RecNo n);
  void RaiseChange();

  WABSCollection* collection_ = nullptr;
  bool scroll_enabled_ = false;
  int scroll_max_ = 1;
  int position_ = 0;
  int page_step_ = 1;
  std::string caption_;
  std::string caption_hint_;
  bool father_enabled_ = false;
  bool mother_enabled_ = false;
  bool spouse_enabled_ = false;
  std::string father_hint_;
  std::string mother_hint_;
  RecNo current_ = 0;
  std::vector<RecNo> back_;
  std::vector<RecNo> forward_;
  std::vector<RecNo> jump_list_;
  WSelectionItems spouse_menu_;
};
