#include "formats/rm3/RM3Header.h"

#include "base/TextUtils.h"

namespace {
constexpr uint64_t kTextWidth = 51;
}

WRM3Header::WRM3Header(const std::string& path) : file_(path) {
  view_ = WCheckedView(file_.Data(), static_cast<uint64_t>(file_.Size()));
}

std::string WRM3Header::Text(uint64_t offset) const { return TrimText(view_.FixedText(offset, kTextWidth)); }
