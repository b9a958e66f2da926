#pragma once

#include <cstdint>
#include <string>

#include "base/CheckedView.h"
#include "base/MMFReadOnly.h"

// A PAF database mapped whole for reading.  Every read goes through View(), whose reads are
// bounds-checked, so a damaged offset in the file yields an empty value instead of a read
// outside the mapping.
class WPAFMMF : public WMMFReadOnly {
 public:
  // Opens the file; raises EFOpenError with the storage message when it cannot.
  explicit WPAFMMF(const std::string& path) : WMMFReadOnly(path) {}

  WCheckedView View() const { return WCheckedView(Data(), static_cast<uint64_t>(Size())); }

  // The text of the text record at `pointer` (an absolute file offset; 0, -1 and other
  // negative values mean none): the bytes from 13 past the pointer up to the first zero byte,
  // at most 256 of them.  Empty when the record does not lie wholly inside the file.  Returned
  // as stored, not converted.
  static std::string TextRecord(const WCheckedView& view, int64_t pointer);
  // A text of at most `width` bytes at `offset` ended by a zero byte (or by its width).  Empty
  // when it runs past the end of the file before either.
  static std::string BoundedText(const WCheckedView& view, uint64_t offset, uint64_t width);
};
