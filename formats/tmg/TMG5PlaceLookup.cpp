#include "formats/tmg/TMG5PlaceLookup.h"

int32_t WTMG5PlaceLookup::Uid(int32_t place_recno, int k) const {
  return k >= kFirstPart && k <= kLastPart ? SlotUid(place_recno, k - kFirstPart) : 0;
}

int WTMG5PlaceLookup::SlotOfType(int32_t type) const {
  return type >= kFirstPart && type <= kLastPart ? static_cast<int>(type - kFirstPart) : -1;
}
