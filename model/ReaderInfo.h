#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ABSCollection.h"

// What a reader tells the program about itself: the kind of file it reads, the extensions that
// choose it, the check of a few bytes that may refuse a file before it is read, and how to
// construct its collection.  Each reader folder defines one (or, for two generations of one
// program, two) and the registry lists them; the open step, the file dialogs, the file list and
// the help texts all work from that list.
struct WReaderInfo {
  // One entry of the open-file dialog's filter: "GEDCOM (*.ged)" with its patterns "*.ged".
  struct FilterEntry {
    std::string caption;
    std::string patterns;  // ";"-separated, e.g. "*.sub;*.xxx"
  };

  FileKind kind = FileKind::None;
  // The kind's name as the help texts give it ("Personal Ancestral File").
  std::string name;
  // Lower-case extensions with their dot (".ged").
  std::vector<std::string> extensions;
  std::vector<FilterEntry> filters;
  // Checks the file before it is read; an empty text accepts it, any other text is the message
  // that refuses it.  Never throws; a file that cannot be read is left to the reader to report.
  std::string (*probe)(const std::string& path) = nullptr;
  // Constructs the collection on the path (not yet imported).  May throw ETaravellError.
  std::unique_ptr<WABSCollection> (*create)(const std::string& path) = nullptr;
};
