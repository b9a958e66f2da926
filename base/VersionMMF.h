#pragma once

#include <cstdint>
#include <string>

#include "base/MMF.h"

// A read-write storage that starts with an 8-byte header: int32 1 (the format
// version) and int32 the end of the data in use, as an offset from the start (8 when
// empty).  Data is appended at that end.  Index arrays keep their records in one.
class WVersionMMF : public WMMF {
 public:
  static constexpr int64_t kHeaderSize = 8;

  WVersionMMF() = default;
  WVersionMMF(WVersionMMF&&) noexcept = default;
  WVersionMMF& operator=(WVersionMMF&&) noexcept = default;

  // New storage in memory mode with the header written (see WMMF::Create).
  void Create(const std::string& fileName, int64_t growth, int64_t initialSize);

  static constexpr int64_t HeaderSize() { return kHeaderSize; }
  // Rewrites the header: version 1, nothing in use.
  void Reset();

  // Writes at the position (see WMMF::Write), keeping note of the bytes written.
  int64_t Write(const void* buffer, int64_t length) {
    int64_t at = WMMF::Write(buffer, length);
    if (at >= 0) NoteWritten(at + length);
    return at;
  }

  // End of the data in use (0 when the storage has no header).
  int64_t UsedEnd() const { return I32(4); }
  void SetUsedEnd(int64_t end) {
    if (end < kHeaderSize || end > INT32_MAX) return;
    EnsureSize(end);
    NoteWritten(end);
    StoreI32(4, static_cast<int32_t>(end));
  }

  // Writes at the used end and moves it to the end of the write; returns the offset
  // written at, or -1 when nothing was written.
  int64_t Append(const void* buffer, int64_t length) {
    int64_t at = UsedEnd();
    if (at < kHeaderSize || length < 0 || length > INT32_MAX - at || !WriteAt(at, buffer, length)) return -1;
    NoteWritten(at + length);
    StoreI32(4, static_cast<int32_t>(at + length));
    return at;
  }
  // Appends n zero bytes; returns the offset where they start, or -1.
  int64_t AppendZeros(int64_t n);

  // Stores a little-endian int32 at offset inside the storage's size (inside the header or
  // the data in use).
  void StoreI32(int64_t offset, int32_t value) {
    if (!Contains(offset, 4) || IsReadOnly()) return;
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(Data() + offset, &value, 4);
    } else {
      auto v = static_cast<uint32_t>(value);
      for (int k = 0; k < 4; ++k) Data()[offset + k] = static_cast<uint8_t>(v >> (8 * k));
    }
  }

 private:
  void NoteWritten(int64_t end) {
    if (end > zero_from_) zero_from_ = end;
  }

  // Every byte from here on has never held data since the storage was created, so it is
  // zero (a new block or file, or growth); the data in use always ends at or before it.
  int64_t zero_from_ = 0;
};
