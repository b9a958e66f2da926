#include "app/ReaderChoice.h"

#include <sys/stat.h>

#include <algorithm>
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

const WReaderInfo* KindFromExtension(const std::string& extension) { return ReaderForExtension(extension); }

const WReaderInfo* ReaderForFile(const std::string& path, std::string& note) {
  note.clear();
  const std::string extension = ExtensionOf(path);
  const WReaderInfo* named = ReaderForExtension(extension);
  if (!named || !named->recognises || named->recognises(path)) return named;
  for (const WReaderInfo* other : RegisteredReaders()) {
    if (other == named || !other->recognises || !other->recognises(path)) continue;
    if (other->probe && !other->probe(path).empty()) continue;
    note = "Read as " + other->name + " (by its content; the extension " + extension + " names " + named->name + ")";
    return other;
  }
  // No reader knows the content: the extension's reader reads it, or refuses it with its own
  // message.
  return named;
}

std::string NotRegularFileMessage(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return std::string();
  return "The file: " + path + "\ris not a regular file.  Please select another file.";
}

std::unique_ptr<WABSCollection> CreateCollectionForFile(const std::string& path, std::string& error,
                                                        std::string* note) {
  if (note) note->clear();
  error = NotRegularFileMessage(path);
  // Probes and readers open the file; a FIFO or a device would block that open.
  if (!error.empty()) return nullptr;
  try {
    std::string chosen_note;
    if (const WReaderInfo* reader = ReaderForFile(path, chosen_note)) {
      if (reader->probe) {
        error = reader->probe(path);
        if (!error.empty()) return nullptr;
      }
      std::unique_ptr<WABSCollection> collection = reader->create(path);
      if (note) *note = chosen_note;
      return collection;
    }
    error = "Unknown file format";
  } catch (const std::exception& e) {
    error = e.what();
  }
  return nullptr;
}

std::string ExportTargetRefusal(const std::string& path) {
  const WReaderInfo* reader = ReaderForExtension(ExtensionOf(path));
  if (!reader) return std::string();
  const std::vector<std::string>& extensions = reader->extensions;
  if (std::find(extensions.begin(), extensions.end(), ".ged") != extensions.end()) return std::string();
  return "will not write GEDCOM to a file named like a " + reader->name + " file: " + path;
}
