#pragma once

#include <string>

#include "base/CheckedView.h"
#include "base/MMFReadOnly.h"

// A Family Tree Maker file mapped whole for reading.  Everything the reader takes from it
// goes through View(), which checks every offset against the mapping.
class WFTWMMF : public WMMFReadOnly {
 public:
  // Opens and maps the file; raises the mapped-file error when it cannot.
  explicit WFTWMMF(const std::string& fileName) : WMMFReadOnly(fileName) {}

  WCheckedView View() const { return WCheckedView(Data(), static_cast<uint64_t>(Size())); }
};
