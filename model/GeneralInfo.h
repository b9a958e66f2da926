#pragma once

#include <array>
#include <cstdint>
#include <string>

// One row of the General tab's lists.
struct GenHeaderRec {
  // Non-zero marks a section heading row.
  uint8_t heading = 0;
  std::string label;
  std::string value;
  // Comma-separated pixel positions; empty for a plain row.
  std::string tab_stops;
};

constexpr int kGenHeaderRows = 256;
using GenHeaderRecs = std::array<GenHeaderRec, kGenHeaderRows>;

// Rows numbered from 1.  The count goes up to 256, but row 256 is never stored and
// stays blank; Add beyond that is ignored.
class WGeneralInfo {
 public:
  void Clear() { count_ = 0; }
  // Appends a row; does nothing once the count has reached 256.
  void Add(uint8_t heading, const std::string& label, const std::string& tab_stops, const std::string& value);
  // Overwrites row `row`; rows 256 and above are ignored.
  void SetRow(int row, uint8_t heading, const std::string& tab_stops, const std::string& value,
              const std::string& label);
  int Count() const { return count_; }
  // Rows 1 to Count; none otherwise.
  const GenHeaderRec* GetRow(int row) const;

 private:
  int32_t count_ = 0;
  GenHeaderRecs rows_{};
};
