#include "formats/rm3/RM3FPT.h"

#include "base/FilePaths.h"

namespace {

// The memo file's path, or empty when the directory has none of that name.
std::string MemoPath(const std::string& directory, const std::string& letter, const std::string& baseName) {
  return FindFileNoCase(directory, baseName + "_" + letter + ".fpt");
}

}  // namespace

WRM3FPT::WRM3FPT(const std::string& directory, const std::string& letter, const std::string& baseName)
    : WFPTFile(MemoPath(directory, letter, baseName)) {}
