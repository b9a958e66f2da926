#include "app/ReaderChoice.h"

#include <exception>

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "formats/Readers.h"

namespace {

std::string NotSupportedYet(const char* format) {
  return std::string(format) + " files are not supported yet";
}

// Kinds of file this program knows of but whose reader is not in the registry: their files get
// a message of their own instead of "Unknown file format".
struct KnownKind {
  FileKind kind;
  const char* extensions[3];
  const char* name;
};
constexpr KnownKind kKnownKinds[] = {
    {FileKind::TMG5, {".pjc"}, "The Master Genealogist 5.x"},
};

const KnownKind* KnownKindFor(const std::string& extension) {
  for (const KnownKind& k : kKnownKinds)
    for (const char* e : k.extensions)
      if (e && extension == e) return &k;
  return nullptr;
}

}  // namespace

std::string ExtensionOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return LowerCaseText(path.substr(dot));
}

FileKind KindFromExtension(const std::string& extension) {
  if (const WReaderInfo* reader = ReaderForExtension(extension)) return reader->kind;
  if (const KnownKind* known = KnownKindFor(extension)) return known->kind;
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
    if (const KnownKind* known = KnownKindFor(extension)) {
      error = NotSupportedYet(known->name);
      return nullptr;
    }
    error = "Unknown file format";
  } catch (const std::exception& e) {
    error = e.what();
  }
  return nullptr;
}
