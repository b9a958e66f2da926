#include "app/ReaderChoice.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cstring>
#include <exception>

#include "formats/ged/GEDCollection.h"
#include "model/Errors.h"
#include "model/TextUtils.h"

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

std::string ExtensionOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return LowerCaseText(path.substr(dot));
}

std::string NotSupportedYet(const char* format) {
  return std::string(format) + " files are not supported yet";
}

}  // namespace

FileKind KindFromExtension(const std::string& extension) {
  if (extension == ".ged" || extension == ".sub" || extension == ".xxx") return FileKind::GEDCOM;
  if (extension == ".paf") return FileKind::PAF;
  if (extension == ".fdb") return FileKind::Legacy;
  if (extension == ".ftw" || extension == ".fbk") return FileKind::FamilyTreeMaker;
  if (extension == ".tmg") return FileKind::TMG4;
  if (extension == ".pjc") return FileKind::TMG5;
  if (extension == ".rmg") return FileKind::RootsMagic3;
  return FileKind::None;
}

bool IsUnicodeFile(const std::string& path) {
  unsigned char bytes[3] = {};
  ssize_t n = ReadBytesAt(path, 0, bytes, sizeof bytes);
  return n >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
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

bool IsLegacyDatabase(const std::string& path, std::string& error) {
  char bytes[4] = {};
  if (ReadBytesAt(path, 13, bytes, sizeof bytes) == static_cast<ssize_t>(sizeof bytes) &&
      strncasecmp(bytes, "Jet ", 4) == 0)
    return true;
  error = "Not a valid Legacy Family Tree Database";
  return false;
}

std::unique_ptr<WABSCollection> CreateCollectionForFile(const std::string& path, std::string& error) {
  error.clear();
  try {
    switch (KindFromExtension(ExtensionOf(path))) {
      case FileKind::GEDCOM:
        if (IsUnicodeFile(path)) {
          error = "Error: Cannot read unicode GEDCOM file\r" + path;
          return nullptr;
        }
        return std::make_unique<WGEDCollection>(path);
      case FileKind::PAF:
        if (DetectPAFVersion(path) == 1) {
          error = "Unknown PAF file format";
          return nullptr;
        }
        error = NotSupportedYet("Personal Ancestral File");
        return nullptr;
      case FileKind::Legacy:
        if (IsLegacyDatabase(path, error)) error = NotSupportedYet("Legacy Family Tree");
        return nullptr;
      case FileKind::FamilyTreeMaker:
        error = NotSupportedYet("Family Tree Maker");
        return nullptr;
      case FileKind::TMG4:
        error = NotSupportedYet("The Master Genealogist 4.x");
        return nullptr;
      case FileKind::TMG5:
        error = NotSupportedYet("The Master Genealogist 5.x");
        return nullptr;
      case FileKind::RootsMagic3:
        error = NotSupportedYet("RootsMagic");
        return nullptr;
      case FileKind::None:
        break;
    }
    error = "Unknown file format";
  } catch (const std::exception& e) {
    error = e.what();
  }
  return nullptr;
}
