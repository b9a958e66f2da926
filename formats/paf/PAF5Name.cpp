#include "formats/paf/PAF5Name.h"

#include <string_view>

#include "base/TextUtils.h"
#include "formats/paf/PAFCollection.h"

namespace {

constexpr uint64_t kTextLength = 13;
constexpr uint64_t kTextValue = 15;
constexpr size_t kMaxPart = 255;

// The part of `text` from `start` to the next slash (or the end), at most 255 bytes; `start`
// moves past the slash.
std::string NextPart(std::string_view text, size_t& start, bool to_slash) {
  if (start > text.size()) return std::string();
  size_t end = to_slash ? text.find('/', start) : std::string_view::npos;
  if (end == std::string_view::npos) end = text.size();
  std::string part(text.substr(start, std::min(end - start, kMaxPart)));
  start = end + 1;
  return part;
}

}  // namespace

void WPAF5Name::Parse() {
  if (parsed_) return;
  parsed_ = true;
  const int32_t pointer = view_.I32LE(record_);
  if (!WPAFCollection::IsLink(pointer)) return;
  const uint64_t text = static_cast<uint64_t>(pointer);
  const int16_t length = view_.I16LE(text + kTextLength);
  // A name that runs past the end of the file is not there.
  if (length <= 0 || !view_.Contains(text + kTextValue, static_cast<uint64_t>(length))) return;
  std::string_view name = view_.Bytes(text + kTextValue, static_cast<uint64_t>(length));
  name = name.substr(0, name.find('\0'));
  size_t start = 0;
  given_ = TrimText(Utf8ToAnsi(NextPart(name, start, true)));
  surname_ = Utf8ToAnsi(NextPart(name, start, true));
  suffix_ = TrimText(Utf8ToAnsi(NextPart(name, start, false)));
}

std::string WPAF5Name::GetSurname() {
  Parse();
  return surname_;
}

std::string WPAF5Name::GetGivenNames() {
  Parse();
  return given_;
}

std::string WPAF5Name::GetPrefix() { return std::string(); }

std::string WPAF5Name::GetSuffix() {
  Parse();
  return suffix_;
}
