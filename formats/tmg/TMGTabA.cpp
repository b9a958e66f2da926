#include "formats/tmg/TMGTabA.h"

WTMGTabA::WTMGTabA(Opened opened)
    : WTMGTable(std::move(opened)), sourtype_(Field("SOURTYPE")), foot_(Field("FOOT")) {}

std::string WTMGTabA::FootFormOfType(int type) const {
  const int count = LiveCount();
  for (int pos = 1; pos <= count; ++pos)
    if (PosInt(pos, sourtype_) == type) return PosMemo(pos, foot_);
  return std::string();
}
