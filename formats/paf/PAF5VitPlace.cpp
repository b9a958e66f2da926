#include "formats/paf/PAF5VitPlace.h"

#include "base/TextUtils.h"
#include "formats/paf/PAFCollection.h"

namespace {

constexpr uint64_t kPlace = 12;

}  // namespace

std::string WPAF5VitPlace::GetName() { return Utf8ToAnsi(collection_.TextAt(view_.I32LE(event_ + kPlace))); }
