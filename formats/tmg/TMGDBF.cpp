#include "formats/tmg/TMGDBF.h"

#include "base/FilePaths.h"

WTMGDBF::WTMGDBF(const std::string& directory, const std::string& letter, const std::string& prefix)
    : WDBFKeyedTable<WDBFFile>(TablePath(directory, letter, prefix, ".dbf")) {}

std::string WTMGDBF::TablePath(const std::string& directory, const std::string& letter,
                               const std::string& prefix, const std::string& extension) {
  return SiblingFilePath(directory, prefix + letter + extension);
}
