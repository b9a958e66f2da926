#pragma once

#include <cstdint>
#include <string>

#include "base/CheckedView.h"
#include "base/MMFReadOnly.h"

// A FoxPro memo file (.fpt) read in place.  The header holds the block size as a
// big-endian 32-bit value at offset 4; memo block b starts at b x block size with a
// big-endian type and length and then the text.  A table's memo field names the memo's
// first block (0: no memo).
//
// A memo file that does not exist is empty: every memo reads as empty text.  Block numbers
// and lengths come from the files and are never trusted: a block that starts past the end
// gives empty text, a length running past the end gives the bytes that are there, and a
// file shorter than its header has block size 0.
class WFPTFile {
 public:
  // Maps the file when it exists (raising EFOpenError when it exists but cannot be opened);
  // an empty path or a missing file gives an empty memo file.
  explicit WFPTFile(const std::string& path);
  WFPTFile(const WFPTFile&) = delete;
  WFPTFile& operator=(const WFPTFile&) = delete;

  // The text of the memo starting at `block`, byte for byte; empty for a block below 1 or
  // when the block size is 0.
  std::string ReadMemo(int64_t block) const;

  uint32_t BlockSize() const { return block_size_; }
  bool Exists() const { return exists_; }
  int64_t FileSize() const { return static_cast<int64_t>(view_.Size()); }
  const std::string& Path() const { return path_; }
  // Reads outside the file from now on are noted in the log (see WCheckedView).
  void ReportDamageTo(WDamageLog* log) { view_.ReportDamageTo(log); }

 private:
  std::string path_;
  WMMFReadOnly file_;
  WCheckedView view_;
  uint32_t block_size_ = 0;
  bool exists_ = false;
};
