#include "app/ReaderChoice.h"

#include <exception>

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "formats/Readers.h"

std::string ExtensionOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return LowerCaseText(path.substr(dot));
}

FileKind KindFromExtension(const std::string& extension) {
  if (const WReaderInfo* reader = ReaderForExtension(extension)) return reader->kind;
  return FileKind::None;
}

std::unique_ptr<WABSCollection> CreateCollectionForFile(const std::string& path, std::string& error) {
  error.clear();
  const std::string extension = ExtensionOf(path);
  try {
    if (const WReaderInfo* reader = ReaderForExtension(extension)) {
      if (reader->probe) {
        error = reader->probe(path);
        if (!error.empty()) return nullptr;
      }
      return reader->create(path);
    }
    error = "Unknown file format";
  } catch (const std::exception& e) {
    error = e.what();
  }
  return nullptr;
}
