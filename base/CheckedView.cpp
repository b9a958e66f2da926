#include "base/CheckedView.h"

#include <cstring>

const uint8_t* WCheckedView::At(uint64_t offset, uint64_t length) const {
  if (!Contains(offset, length) || !data_) {
    failed_ = true;
    return nullptr;
  }
  return data_ + offset;
}

uint8_t WCheckedView::U8(uint64_t offset) const {
  const uint8_t* p = At(offset, 1);
  return p ? p[0] : 0;
}

uint16_t WCheckedView::U16LE(uint64_t offset) const {
  const uint8_t* p = At(offset, 2);
  return p ? static_cast<uint16_t>(p[0] | p[1] << 8) : 0;
}

uint32_t WCheckedView::U32LE(uint64_t offset) const {
  const uint8_t* p = At(offset, 4);
  return p ? static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                 static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24
           : 0;
}

uint64_t WCheckedView::U64LE(uint64_t offset) const {
  if (!Contains(offset, 8)) {
    failed_ = true;
    return 0;
  }
  return static_cast<uint64_t>(U32LE(offset)) | static_cast<uint64_t>(U32LE(offset + 4)) << 32;
}

uint16_t WCheckedView::U16BE(uint64_t offset) const {
  const uint8_t* p = At(offset, 2);
  return p ? static_cast<uint16_t>(p[0] << 8 | p[1]) : 0;
}

uint32_t WCheckedView::U32BE(uint64_t offset) const {
  const uint8_t* p = At(offset, 4);
  return p ? static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
                 static_cast<uint32_t>(p[2]) << 8 | static_cast<uint32_t>(p[3])
           : 0;
}

std::string_view WCheckedView::Bytes(uint64_t offset, uint64_t length) const {
  if (!data_ || offset >= size_) {
    if (length > 0) failed_ = true;
    return {};
  }
  if (length > size_ - offset) {
    failed_ = true;
    length = size_ - offset;
  }
  return std::string_view(reinterpret_cast<const char*>(data_ + offset), static_cast<size_t>(length));
}

std::string WCheckedView::FixedText(uint64_t offset, uint64_t width) const {
  std::string_view bytes = Bytes(offset, width);
  const size_t nul = bytes.find('\0');
  return std::string(nul == std::string_view::npos ? bytes : bytes.substr(0, nul));
}

std::string WCheckedView::TextZ(uint64_t offset, uint64_t max_length) const {
  const bool was_failed = failed_;
  std::string_view bytes = Bytes(offset, max_length);
  const size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) {
    failed_ = was_failed;  // the NUL came before the end of the view: nothing was missing
    return std::string(bytes.substr(0, nul));
  }
  return std::string(bytes);
}

bool WCheckedView::Copy(uint64_t offset, void* out, uint64_t length) const {
  const uint8_t* p = At(offset, length);
  if (!p) {
    std::memset(out, 0, static_cast<size_t>(length));
    return false;
  }
  std::memcpy(out, p, static_cast<size_t>(length));
  return true;
}

WCheckedView WCheckedView::Sub(uint64_t offset, uint64_t length) const {
  std::string_view bytes = Bytes(offset, length);
  return WCheckedView(bytes.data(), bytes.size());
}
