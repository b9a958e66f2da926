#pragma once

#include <functional>
#include <string>
#include <vector>

// The menu of a drop-down selection button, without any drawing: the items come as one
// text separated by ";" (an item "-" is a separator line), and choosing an item records
// its number among the items that are not separators.
class WSelectionItems {
 public:
  // The menu holds at most this many items; later ones are not added.
  static constexpr int kMaxItems = 51;

  // Splits the text at every ";" (empty parts stay items) and rebuilds the menu.
  void SetItemString(const std::string& text);
  const std::string& ItemString() const { return item_string_; }

  // The menu's items in order, separators included.
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const { return items_.at(index); }
  bool IsSeparator(int index) const { return items_.at(index) == "-"; }

  // The user chose the menu item at `index` (0-based, separators included): a separator does
  // nothing; otherwise ItemSelected becomes the item's number among the non-separators, the
  // caption follows when UpdateCaption is set, and OnItemChange is raised.
  void Choose(int index);

  // The 1-based number of the last chosen item, counting only items that are not separators;
  // 0 before any choice.
  int ItemSelected() const { return item_selected_; }
  void SetItemSelected(int number) { item_selected_ = number; }

  bool UpdateCaption() const { return update_caption_; }
  void SetUpdateCaption(bool update) { update_caption_ = update; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }

  std::function<void()> OnItemChange;

 private:
  std::string item_string_;
  std::vector<std::string> items_;
  int item_selected_ = 0;
  bool update_caption_ = false;
  std::string caption_;
};
