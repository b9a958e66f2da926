#include "formats/legacy/DAOKeyMap.h"

#include <algorithm>
#include <numeric>

#include "base/TextUtils.h"
#include "formats/legacy/DAOValues.h"

TDAOKeyMap::TDAOKeyMap(std::vector<bool> text_columns)
    : text_columns_(std::move(text_columns)), numbers_(text_columns_.size()), texts_(text_columns_.size()) {}

void TDAOKeyMap::AddRow(uint64_t place) {
  places_.push_back(place);
  for (size_t c = 0; c < text_columns_.size(); ++c) {
    if (text_columns_[c])
      texts_[c].emplace_back();
    else
      numbers_[c].push_back(kEmptyNumber);
  }
}

void TDAOKeyMap::SetNumber(int column, int64_t value) {
  if (column < 0 || column >= static_cast<int>(text_columns_.size()) || places_.empty()) return;
  if (text_columns_[column])
    texts_[column].back() = std::to_string(value);
  else
    numbers_[column].back() = value;
}

void TDAOKeyMap::SetText(int column, const std::string& value) {
  if (column < 0 || column >= static_cast<int>(text_columns_.size()) || places_.empty()) return;
  if (text_columns_[column])
    texts_[column].back() = LowerCaseText(value);
  else
    numbers_[column].back() = DAOStrictInt(value);
}

int TDAOKeyMap::Compare(uint32_t a, uint32_t b) const {
  for (size_t c = 0; c < text_columns_.size(); ++c) {
    if (text_columns_[c]) {
      int r = texts_[c][a].compare(texts_[c][b]);
      if (r != 0) return r;
    } else {
      int64_t x = numbers_[c][a], y = numbers_[c][b];
      if (x != y) return x < y ? -1 : 1;
    }
  }
  return 0;
}

void TDAOKeyMap::Sort() {
  order_.resize(places_.size());
  std::iota(order_.begin(), order_.end(), 0u);
  std::stable_sort(order_.begin(), order_.end(),
                   [this](uint32_t a, uint32_t b) { return Compare(a, b) < 0; });
}

int TDAOKeyMap::LowerBound(const std::string& folded_text, int64_t number, bool text) const {
  auto it = std::lower_bound(order_.begin(), order_.end(), 0, [&](uint32_t row, int) {
    return text ? texts_[0][row] < folded_text : numbers_[0][row] < number;
  });
  if (it == order_.end()) return -1;
  bool equal = text ? texts_[0][*it] == folded_text : numbers_[0][*it] == number;
  return equal ? static_cast<int>(it - order_.begin()) : -1;
}

int TDAOKeyMap::Find(int64_t key) const {
  if (text_columns_.empty() || order_.size() != places_.size()) return -1;
  if (text_columns_[0]) return LowerBound(std::to_string(key), 0, true);
  return LowerBound(std::string(), key, false);
}

int TDAOKeyMap::Find(const std::string& key) const {
  if (text_columns_.empty() || order_.size() != places_.size()) return -1;
  if (text_columns_[0]) return LowerBound(LowerCaseText(key), 0, true);
  std::string trimmed = TrimText(key);
  int32_t number = DAOStrictInt(trimmed);
  if (number == 0 && trimmed != "0" && trimmed != "-0" && trimmed != "+0") return -1;
  return LowerBound(std::string(), number, false);
}
