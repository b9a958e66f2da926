#include "formats/tmg/TMG5NameLookup.h"

int WTMG5NameLookup::SlotOfType(int32_t type) const {
  switch (type) {
    case 3:
    case 9:
      return kGivenNames;
    case 5:
    case 8:
      return kSurname;
    case 1:
      return kPrefix;
    case 6:
      return kSuffix;
    case 2:
    case 4:
      return kUnused;
    default:
      return -1;
  }
}
