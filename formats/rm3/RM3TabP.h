#pragma once

#include <string>

#include "formats/rm3/RM3DBF.h"

// Table P: places, keyed by PLACEID.
class WRM3TabP : public WRM3DBF {
 public:
  static constexpr const char* kKey = "PLACEID";

  WRM3TabP(const std::string& directory, const std::string& baseName)
      : WRM3DBF(directory, "P", baseName), name_(FieldIndex("NAME")) {}

  // The NAME of the place with that PLACEID, trimmed; empty when there is none.
  std::string PlaceName(int id) const { return TrimmedText(IdToPos(id), name_); }

 private:
  int name_;
};
