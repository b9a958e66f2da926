#include "formats/paf/PAFBlockArray.h"

#include <array>
#include <cstring>
#include <string>

WPAFBlockArray::WPAFBlockArray(int types) : types_(types < 1 ? 1 : types > 40 ? 40 : types) {
  Create(std::string(), false, kElementBytes, 0);
}

void WPAFBlockArray::AddMap(std::string_view type_bytes, int first_entry) {
  std::array<int16_t, kElementValues> element{};
  std::array<int, 41> count{};
  const int entries = static_cast<int>(type_bytes.size() < 8192 ? type_bytes.size() : 8192);
  for (int j = first_entry; j < entries; ++j) {
    const int t = static_cast<unsigned char>(type_bytes[j]);
    if (t >= 1 && t <= types_) ++count[t];
  }
  std::array<int, 41> next{};
  int start = types_;
  for (int t = 1; t <= types_; ++t) {
    element[t - 1] = static_cast<int16_t>(start);
    next[t] = start;
    start += count[t];
  }
  for (int j = first_entry; j < entries; ++j) {
    const int t = static_cast<unsigned char>(type_bytes[j]);
    if (t >= 1 && t <= types_) element[next[t]++] = static_cast<int16_t>(j);
  }
  Append(element.data());
  for (int t = 1; t <= types_; ++t) counts_.push_back(static_cast<int16_t>(count[t]));
}

int WPAFBlockArray::BlockCount(int map, int type) const {
  if (map < 0 || map >= Count() || type < 1 || type > types_) return 0;
  return counts_[static_cast<size_t>(map) * types_ + (type - 1)];
}

int WPAFBlockArray::Block(int map, int type, int r) const {
  if (r < 0 || r >= BlockCount(map, type)) return -1;
  const auto* values = static_cast<const uint8_t*>(Element(map + 1));
  int16_t start = 0, block = 0;
  std::memcpy(&start, values + 2 * (type - 1), 2);
  std::memcpy(&block, values + 2 * (start + r), 2);
  return block;
}
