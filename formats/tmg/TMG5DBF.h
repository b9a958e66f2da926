#pragma once

#include <string>

#include "formats/dbf/DBF5File.h"
#include "formats/dbf/DBFKeyedTable.h"

// A keyed table whose integer fields are stored as raw bytes (WDBF5File), named like the
// tables of WTMGDBF.
class WTMG5DBF : public WDBFKeyedTable<WDBF5File> {
 public:
  // Opens directory/prefix + letter + ".dbf", found ignoring letter case; raises the open
  // error naming that path when there is no such file.
  WTMG5DBF(const std::string& directory, const std::string& letter, const std::string& prefix);
};
