#pragma once

#include <string>

#include "base/MMF.h"

// An existing file mapped whole for reading: opened O_RDONLY and mapped PROT_READ,
// so nothing can ever be written to it; other processes may keep the file open.
// Readers keep one for the life of their collection and read records in place with
// the bounds-checked accessors of WMMF.
class WMMFReadOnly : public WMMF {
 public:
  WMMFReadOnly() = default;
  // Opens fileName; raises EFOpenError with the storage message when it cannot.
  explicit WMMFReadOnly(const std::string& fileName);
  WMMFReadOnly(WMMFReadOnly&&) noexcept = default;
  WMMFReadOnly& operator=(WMMFReadOnly&&) noexcept = default;

  void Open(const std::string& fileName);
};
