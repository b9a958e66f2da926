#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class WDamageLog;

// A read-only view of bytes that came from a file (usually a whole mapped file), through which
// every reader of a binary format reads.  Each read names an offset and a length counted in
// 64 bits; a read that does not lie wholly inside the view gives 0 or an empty text and marks
// the view as having failed, and nothing is ever read outside it.  Offsets from the file are
// therefore used only as arguments here, never turned into pointers.  A view may report its failed
// reads to a damage log (ReportDamageTo); copies and parts of it (Sub) report to the same log.
class WCheckedView {
 public:
  WCheckedView() = default;
  WCheckedView(const void* data, uint64_t size)
      : data_(static_cast<const uint8_t*>(data)), size_(data ? size : 0) {}
  explicit WCheckedView(std::string_view bytes) : WCheckedView(bytes.data(), bytes.size()) {}

  uint64_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  // True when [offset, offset + length) lies inside the view (without overflow).
  bool Contains(uint64_t offset, uint64_t length) const {
    return offset <= size_ && length <= size_ - offset;
  }

  // Integers at an offset; 0 (and Failed()) when they do not lie inside the view.
  uint8_t U8(uint64_t offset) const;
  uint16_t U16LE(uint64_t offset) const;
  uint32_t U32LE(uint64_t offset) const;
  uint64_t U64LE(uint64_t offset) const;
  uint16_t U16BE(uint64_t offset) const;
  uint32_t U32BE(uint64_t offset) const;
  int8_t I8(uint64_t offset) const { return static_cast<int8_t>(U8(offset)); }
  int16_t I16LE(uint64_t offset) const { return static_cast<int16_t>(U16LE(offset)); }
  int32_t I32LE(uint64_t offset) const { return static_cast<int32_t>(U32LE(offset)); }
  int64_t I64LE(uint64_t offset) const { return static_cast<int64_t>(U64LE(offset)); }
  int16_t I16BE(uint64_t offset) const { return static_cast<int16_t>(U16BE(offset)); }
  int32_t I32BE(uint64_t offset) const { return static_cast<int32_t>(U32BE(offset)); }

  // The bytes [offset, offset + length) as far as they lie inside the view: shorter (and
  // Failed()) when the range runs past the end, empty when it starts past it.
  std::string_view Bytes(uint64_t offset, uint64_t length) const;
  // A fixed-width text field: its bytes up to the first NUL (or all of them).  Clipped at the
  // end of the view like Bytes.
  std::string FixedText(uint64_t offset, uint64_t width) const;
  // A NUL-ended text starting at offset, at most max_length bytes long; a text that reaches
  // the end of the view without its NUL ends there (and marks Failed()).
  std::string TextZ(uint64_t offset, uint64_t max_length) const;
  // Copies length bytes into out; false (and out zero-filled) unless they all lie inside.
  bool Copy(uint64_t offset, void* out, uint64_t length) const;

  // The part [offset, offset + length) as a view of its own, clipped to this view.
  WCheckedView Sub(uint64_t offset, uint64_t length) const;

  // True once a read has fallen outside the view; ClearFailed starts counting anew.
  bool Failed() const { return failed_; }
  void ClearFailed() const { failed_ = false; }

  // Every read that falls outside the view from now on is noted in the log (none: not noted).
  // The log must outlive the view and its copies.
  void ReportDamageTo(WDamageLog* log) { damage_ = log; }
  WDamageLog* DamageLog() const { return damage_; }

 private:
  // The bytes at offset when [offset, offset + length) lies inside; nullptr (and Failed())
  // otherwise.
  const uint8_t* At(uint64_t offset, uint64_t length) const;
  // Marks the view failed and notes the read in the damage log.
  void Fail(uint64_t offset, uint64_t length) const;

  const uint8_t* data_ = nullptr;
  uint64_t size_ = 0;
  mutable bool failed_ = false;
  WDamageLog* damage_ = nullptr;
};
