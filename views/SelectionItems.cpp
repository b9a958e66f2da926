#include "views/SelectionItems.h"

void WSelectionItems::SetItemString(const std::string& text) {
  item_string_ = text;
  items_.clear();
  size_t start = 0;
  while (static_cast<int>(items_.size()) < kMaxItems) {
    size_t end = text.find(';', start);
    items_.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
}

void WSelectionItems::Choose(int index) {
  if (index < 0 || index >= Count() || IsSeparator(index)) return;
  int number = 0;
  for (int i = 0; i <= index; ++i) {
    if (!IsSeparator(i)) ++number;
  }
  item_selected_ = number;
  if (update_caption_) caption_ = items_[index];
  if (OnItemChange) OnItemChange();
}
