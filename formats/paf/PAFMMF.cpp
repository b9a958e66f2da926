#include "formats/paf/PAFMMF.h"

#include <cstring>
#include <string>
#include <string_view>

#include "base/DamageLog.h"

namespace {

// The text of a text record begins this far past its pointer.
constexpr int64_t kTextStart = 13;
constexpr uint64_t kTextWidth = 256;

}  // namespace

std::string WPAFMMF::BoundedText(const WCheckedView& view, uint64_t offset, uint64_t width) {
  // A text the file does not hold (whole) is damage; the reader goes on with an empty text.
  auto damaged = [&view, offset] {
    if (WDamageLog* log = view.DamageLog()) log->Note("a text at offset " + std::to_string(offset) + " lies outside the file");
    return std::string();
  };
  if (!view.Contains(offset, 0)) return damaged();
  const uint64_t available = view.Size() - offset;
  const std::string_view bytes = view.Bytes(offset, width < available ? width : available);
  const size_t end = bytes.find('\0');
  if (end != std::string_view::npos) return std::string(bytes.substr(0, end));
  // Without its zero byte the text must fill its whole width inside the file.
  return bytes.size() == width ? std::string(bytes) : damaged();
}

std::string WPAFMMF::TextRecord(const WCheckedView& view, int64_t pointer) {
  if (pointer <= 0) return std::string();
  return BoundedText(view, static_cast<uint64_t>(pointer) + kTextStart, kTextWidth);
}
