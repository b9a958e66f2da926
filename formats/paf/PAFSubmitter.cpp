#include "formats/paf/PAFSubmitter.h"

#include "base/TextUtils.h"

std::string WPAFSubmitter::Text(uint64_t offset, uint64_t width) const {
  return Utf8ToAnsi(Raw(offset, width));
}
