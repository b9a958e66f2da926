#include "formats/dbf/TMGDBF.h"

#include "base/FilePaths.h"

WTMGDBF::WTMGDBF(const std::string& directory, const std::string& letter, const std::string& prefix)
    : WDBFKeyedTable<WDBFFile>(TablePath(directory, letter, prefix, ".dbf")) {}

std::string WTMGDBF::TablePath(const std::string& directory, const std::string& letter,
                               const std::string& prefix, const std::string& extension) {
  const std::string name = prefix + letter + extension;
  std::string found = FindFileNoCase(directory, name);
  return found.empty() ? JoinPath(directory, name) : found;
}
