#include "formats/dbf/FPTFile.h"

#include <sys/stat.h>

namespace {

constexpr uint64_t kBlockSizeAt = 4;
constexpr uint64_t kBlockLengthAt = 4;
constexpr uint64_t kBlockTextAt = 8;

}  // namespace

WFPTFile::WFPTFile(const std::string& path) : path_(path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return;  // no memo file: no memos
  file_.Open(path);
  exists_ = true;
  view_ = WCheckedView(file_.Data(), static_cast<uint64_t>(file_.Size()));
  block_size_ = view_.U32BE(kBlockSizeAt);
}

std::string WFPTFile::ReadMemo(int64_t block) const {
  if (block < 1 || block_size_ == 0) return std::string();
  const uint64_t start = static_cast<uint64_t>(block) * block_size_;  // < 2^63 for any 32-bit size
  if (start / block_size_ != static_cast<uint64_t>(block) || !view_.Contains(start, kBlockTextAt))
    return std::string();
  const uint32_t length = view_.U32BE(start + kBlockLengthAt);
  return std::string(view_.Bytes(start + kBlockTextAt, length));
}
