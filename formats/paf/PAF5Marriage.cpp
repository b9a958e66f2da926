#include "formats/paf/PAF5Marriage.h"

#include "base/TextUtils.h"
#include "formats/paf/PAF5LDSEvent.h"
#include "formats/paf/PAFCollection.h"

namespace {

constexpr uint64_t kPlace = 64;

}  // namespace

// Converted from UTF-8 like every other place.
std::string WPAF5Marriage::GetPlaceText() {
  return record_ ? Utf8ToAnsi(collection_.TextAt(view_.I32LE(record_ + kPlace))) : std::string();
}

std::unique_ptr<WABSLDSEvent> WPAF5Marriage::NewSealing(uint64_t ordinance) {
  return std::make_unique<WPAF5LDSEvent>(collection_, ordinance);
}
