#include "formats/tmg/TMGTabU.h"

#include <algorithm>

WTMGTabU::WTMGTabU(Opened opened)
    : WTMGTable(std::move(opened)), element_(Field("ELEMENT")), groupnum_(Field("GROUPNUM")) {}

int WTMGTabU::ElementGroup(std::string_view name) const {
  if (!read_) {
    read_ = true;
    const int count = LiveCount();
    for (int pos = 1; pos <= count; ++pos) {
      std::string element = PosText(pos, element_);
      if (!element.empty()) elements_.emplace_back(std::move(element), PosInt(pos, groupnum_));
    }
  }
  for (const auto& [element, group] : elements_) {
    const size_t common = std::min(element.size(), name.size());
    if (element.compare(0, common, name.substr(0, common)) == 0) return group;
  }
  return 0;
}
