#pragma once

#include <string>

#include "formats/dbf/FPTFile.h"

// The memo file of one table of a TMG project: prefix + letter + ".fpt" in the project's
// folder, found whatever the letter case of its name.  A project without it has no memo texts
// for that table.
class WTMGFPT : public WFPTFile {
 public:
  WTMGFPT(const std::string& directory, const std::string& letter, const std::string& prefix);
};
