#include "base/CheckedView.h"

#include <algorithm>
#include <cstring>

#include "base/DamageLog.h"

void WCheckedView::Fail(uint64_t offset, uint64_t length) const {
  failed_ = true;
  if (damage_)
    damage_->Note("a read of " + std::to_string(length) + " bytes at offset " + std::to_string(offset) +
                  " lies outside the " + std::to_string(size_) + " bytes of the file");
}

const uint8_t* WCheckedView::At(uint64_t offset, uint64_t length) const {
  if (!Contains(offset, length) || !data_) {
    Fail(offset, length);
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
    Fail(offset, 8);
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
    if (length > 0) Fail(offset, length);
    return {};
  }
  if (length > size_ - offset) {
    Fail(offset, length);
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
  if (!data_ || offset >= size_) {
    if (max_length > 0) Fail(offset, max_length);
    return std::string();
  }
  const uint64_t available = std::min(max_length, size_ - offset);
  const std::string_view bytes(reinterpret_cast<const char*>(data_ + offset), static_cast<size_t>(available));
  const size_t nul = bytes.find('\0');
  // A NUL before the end of the view: nothing was missing, however long max_length was.
  if (nul != std::string_view::npos) return std::string(bytes.substr(0, nul));
  if (available < max_length) Fail(offset, max_length);
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
  WCheckedView part(bytes.data(), bytes.size());
  part.damage_ = damage_;
  return part;
}
