#include "formats/ged/TextMMF.h"

#include <sys/stat.h>

#include "base/Errors.h"

namespace {

// Refuses a file that 32-bit offsets cannot address before anything is mapped.
const std::string& CheckTextSize(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && static_cast<uint64_t>(st.st_size) > WTextMMF::kMaxTextSize)
    throw EFileFormatError(FormatMessage(
        "Error: The file %s is too large to be read.\r\nFiles of 4 GB or more are not supported.",
        path.c_str()));
  return path;
}

const char kEmpty[1] = {0};

}  // namespace

WTextMMF::WTextMMF(const std::string& path) : WMMFReadOnly(CheckTextSize(path)) {
  const char* base = Size() > 0 ? reinterpret_cast<const char*>(Data()) : nullptr;
  if (base == nullptr) {
    start_ = end_ = kEmpty;
  } else {
    start_ = base;
    end_ = base + Size();
  }
}

bool WTextMMF::IsUnixText() {
  if (!unix_computed_) {
    const char* p = start_;
    while (p < end_ && *p != '\r' && *p != '\n') ++p;
    unix_text_ = p < end_ && *p == '\n';
    unix_computed_ = true;
  }
  return unix_text_;
}
