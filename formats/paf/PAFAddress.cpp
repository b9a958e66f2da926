#include "formats/paf/PAFAddress.h"

#include "base/TextUtils.h"

std::string WPAFAddress::Line(int k) const {
  const uint64_t at = record_ + layout_.repo_address + static_cast<uint64_t>(k) * layout_.repo_line_width;
  return Utf8ToAnsi(view_.FixedText(at, layout_.repo_line_width));
}

std::string WPAFAddress::GetPhone() {
  std::string phone = view_.FixedText(record_ + layout_.repo_phone, layout_.repo_phone_width);
  return layout_.repo_phone_utf8 ? Utf8ToAnsi(phone) : phone;
}
