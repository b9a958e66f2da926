#include "app/ReaderChoice.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <exception>

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "formats/Readers.h"

namespace {

// Reads up to `length` bytes at `offset`; the number read, or -1 when the file cannot be
// opened.
ssize_t ReadBytesAt(const std::string& path, off_t offset, void* buffer, size_t length) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  size_t done = 0;
  while (done < length) {
    ssize_t n =
        ::pread(fd, static_cast<char*>(buffer) + done, length - done, offset + static_cast<off_t>(done));
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  return static_cast<ssize_t>(done);
}

// Bytes of a fixed-width field as text up to its first zero byte.
std::string FieldText(const char* bytes, size_t width) { return std::string(bytes, strnlen(bytes, width)); }

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
    {FileKind::PAF, {".paf"}, "Personal Ancestral File"},
    {FileKind::TMG4, {".tmg"}, "The Master Genealogist 4.x"},
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

int DetectPAFVersion(const std::string& path) {
  char bytes[12] = {};
  if (ReadBytesAt(path, 0, bytes, sizeof bytes) != static_cast<ssize_t>(sizeof bytes)) return 1;
  std::string version = FieldText(bytes + 4, 4);
  std::string kind = FieldText(bytes + 8, 4);
  if (kind == "300") return 300;
  if (kind == "400") return 400;
  if (kind == "PAF" && version == "500") return 500;
  return 1;
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
      // Even without a reader, a file that is not of the kind at all is told apart.
      if (known->kind == FileKind::PAF && DetectPAFVersion(path) == 1) {
        error = "Unknown PAF file format";
      } else {
        error = NotSupportedYet(known->name);
      }
      return nullptr;
    }
    error = "Unknown file format";
  } catch (const std::exception& e) {
    error = e.what();
  }
  return nullptr;
}
