#pragma once

#include <string>

#include "formats/dbf/FPTFile.h"

// The memo file of one RootsMagic table: base name + "_" + letter + ".fpt" beside the .rmg
// file, found ignoring letter case.  A missing memo file is empty.
class WRM3FPT : public WFPTFile {
 public:
  WRM3FPT(const std::string& directory, const std::string& letter, const std::string& baseName);
};
