#pragma once

#include <cstdint>
#include <string>

#include "base/CheckedView.h"
#include "base/MMFReadOnly.h"

// The .rmg file of a RootsMagic 3 family file, mapped read-only for the collection's life:
// the file version (a 32-bit little-endian number at offset 0) and the submitter's name,
// three address lines, phone and e-mail (51-byte texts from offset 22 on).  Every read is
// bounded by the file: a short file gives 0 and empty texts.
class WRM3Header {
 public:
  // Raises the open error naming the path when the file cannot be opened.
  explicit WRM3Header(const std::string& path);

  uint32_t Version() const { return view_.U32LE(0); }
  std::string SubmitterName() const { return Text(22); }
  std::string AddressLine1() const { return Text(73); }
  std::string AddressLine2() const { return Text(124); }
  std::string AddressLine3() const { return Text(175); }
  std::string Phone() const { return Text(226); }
  std::string Email() const { return Text(277); }
  int64_t FileSize() const { return static_cast<int64_t>(view_.Size()); }

 private:
  // The 51-byte text at the offset up to its first NUL, trimmed.
  std::string Text(uint64_t offset) const;

  WMMFReadOnly file_;
  WCheckedView view_;
};
