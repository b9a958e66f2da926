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

std::unique_ptr<WABSCollection> CreateCollectionForFile(const std::string& path, std::string& error,
                                                        std::string* note) {
  error.clear();
  if (note) note->clear();
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
