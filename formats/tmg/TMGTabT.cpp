#include "formats/tmg/TMGTabT.h"

WTMGTabT::WTMGTabT(Opened opened)
    : WTMGTable(std::move(opened)),
      etypename_(Field("ETYPENAME")),
      tsentence_(Field("TSENTENCE")),
      admin_(Field("ADMIN")),
      etypenum_(Field("ETYPENUM")) {}

std::string WTMGTabT::TagName(int type) const {
  const int row = Row(type);
  return row > 0 ? PosTrimmed(row, etypename_) : std::string();
}

std::string WTMGTabT::TagSentence(int type) const {
  const int row = Row(type);
  return row > 0 ? PosMemo(row, tsentence_) : std::string();
}

int WTMGTabT::TagGroup(int type) const {
  const int row = Row(type);
  return row > 0 ? PosInt(row, admin_) : 0;
}

std::vector<int> WTMGTabT::TypesInGroup(int group) const {
  std::vector<int> types;
  const int count = LiveCount();
  for (int pos = 1; pos <= count && types.size() < kMaxTypesInGroup; ++pos)
    if (PosInt(pos, admin_) == group) types.push_back(PosInt(pos, etypenum_));
  return types;
}
