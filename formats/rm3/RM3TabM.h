#pragma once

#include <string>

#include "formats/rm3/RM3DBF.h"

// Table M (media) of a RootsMagic file: opened with the others, no field of it is read.
class WRM3TabM : public WRM3DBF {
 public:
  WRM3TabM(const std::string& directory, const std::string& baseName) : WRM3DBF(directory, "M", baseName) {}
};
