#include "formats/paf/PAF4Name.h"

#include "base/TextUtils.h"
#include "formats/paf/PAFCollection.h"

namespace {

constexpr uint64_t kTitle = 28;

}  // namespace

WPAF4Name::WPAF4Name(WPAFCollection& collection, uint64_t record, uint64_t extension)
    : WPAF34Name(collection, record), extension_(extension) {}

std::string WPAF4Name::GetPrefix() {
  return extension_ ? Utf8ToAnsi(collection_.TextAt(view_.I32LE(extension_ + kTitle))) : std::string();
}
