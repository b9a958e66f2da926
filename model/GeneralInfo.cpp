#include "model/GeneralInfo.h"

void WGeneralInfo::Add(uint8_t heading, const std::string& label, const std::string& tab_stops,
                       const std::string& value) {
  if (count_ >= kGenHeaderRows) return;
  ++count_;
  SetRow(count_, heading, tab_stops, value, label);
}

void WGeneralInfo::SetRow(int row, uint8_t heading, const std::string& tab_stops, const std::string& value,
                          const std::string& label) {
  // Row 256 has no slot of its own: it is counted but stays blank.
  if (row < 1 || row >= kGenHeaderRows) return;
  GenHeaderRec& rec = rows_[row - 1];
  rec.heading = heading;
  rec.label = label;
  rec.value = value;
  rec.tab_stops = tab_stops;
}

const GenHeaderRec* WGeneralInfo::GetRow(int row) const {
  if (row < 1 || row > count_) return nullptr;
  return &rows_[row - 1];
}
