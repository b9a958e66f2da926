#pragma once

#include <string>

#include "formats/rm3/RM3DBF.h"

// Table R (research) of a RootsMagic file: opened with the others, no field of it is read.
class WRM3TabR : public WRM3DBF {
 public:
  WRM3TabR(const std::string& directory, const std::string& baseName) : WRM3DBF(directory, "R", baseName) {}
};
