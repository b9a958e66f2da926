#pragma once

#include <string>

#include "formats/dbf/DBFFile.h"
#include "formats/dbf/DBFKeyedTable.h"

// A keyed table of a project whose tables are named prefix + letter + ".dbf" in one
// directory, with fields stored as text.
class WTMGDBF : public WDBFKeyedTable<WDBFFile> {
 public:
  // Opens directory/prefix + letter + ".dbf", found ignoring letter case; raises the open
  // error naming that path when there is no such file.
  WTMGDBF(const std::string& directory, const std::string& letter, const std::string& prefix);

  // The path of a project file: the entry of `directory` named prefix + letter + extension
  // ignoring letter case, or that name joined to the directory when there is none.
  static std::string TablePath(const std::string& directory, const std::string& letter,
                               const std::string& prefix, const std::string& extension);
};
