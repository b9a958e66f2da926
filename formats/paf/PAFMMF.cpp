#include "formats/paf/PAFMMF.h"

#include <cstring>
#include <string_view>

namespace {

// The text of a text record begins this far past its pointer.
constexpr int64_t kTextStart = 13;
constexpr uint64_t kTextWidth = 256;

}  // namespace

std::string WPAFMMF::BoundedText(const WCheckedView& view, uint64_t offset, uint64_t width) {
  if (!view.Contains(offset, 0)) return std::string();
  const uint64_t available = view.Size() - offset;
  const std::string_view bytes = view.Bytes(offset, width < available ? width : available);
  const size_t end = bytes.find('\0');
  if (end != std::string_view::npos) return std::string(bytes.substr(0, end));
  // Without its zero byte the text must fill its whole width inside the file.
  return bytes.size() == width ? std::string(bytes) : std::string();
}

std::string WPAFMMF::TextRecord(const WCheckedView& view, int64_t pointer) {
  if (pointer <= 0) return std::string();
  return BoundedText(view, static_cast<uint64_t>(pointer) + kTextStart, kTextWidth);
}
