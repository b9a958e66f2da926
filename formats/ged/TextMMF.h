#pragma once

#include <cstdint>
#include <string>

#include "base/MMFReadOnly.h"

// A text file mapped read-only as a whole.  Positions inside it are 32-bit byte offsets
// from the first byte, so files of 4 GB and more are refused when opened.
class WTextMMF : public WMMFReadOnly {
 public:
  // Maps the file.  Throws EFileFormatError when the file is too large for 32-bit offsets,
  // and the mapped-file errors when it cannot be opened or mapped.
  explicit WTextMMF(const std::string& path);

  // First byte of the text (never null: an empty file gives an empty range).
  const char* Start() const { return start_; }
  // One past the last byte.
  const char* End() const { return end_; }
  uint32_t TextSize() const { return static_cast<uint32_t>(end_ - start_); }
  // The offset of a mapped position, and back.
  uint32_t OffsetOf(const char* p) const { return static_cast<uint32_t>(p - start_); }
  const char* At(uint32_t offset) const { return start_ + offset; }

  // True when the first line break of the file (the first CR or LF met) is a bare LF.
  // Computed once.
  bool IsUnixText();

  // The largest file whose every byte a 32-bit offset can address.
  static constexpr uint64_t kMaxTextSize = 0xFFFFFFFFull;

 private:
  const char* start_;
  const char* end_;
  bool unix_computed_ = false;
  bool unix_text_ = false;
};
