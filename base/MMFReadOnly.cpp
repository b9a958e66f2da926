#include "base/MMFReadOnly.h"

WMMFReadOnly::WMMFReadOnly(const std::string& fileName) { Open(fileName); }

void WMMFReadOnly::Open(const std::string& fileName) {
  WMMF::Open(fileName, 0, MMFMode::ReadOnly, MMFShare::ShareReadWrite);
}
