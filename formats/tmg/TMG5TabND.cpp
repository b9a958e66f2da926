#include "formats/tmg/TMG5TabND.h"

WTMG5TabND::WTMG5TabND(Opened opened) : WTMGTable(std::move(opened)), value_(Field("VALUE")) {}

std::string WTMG5TabND::PartText(int uid) const {
  if (uid < 1) return std::string();
  const int k = FirstEntry(uid);
  return k > 0 ? PosMemo(EntryPos(k), value_) : std::string();
}
