#pragma once

#include <memory>
#include <string>

#include "model/ABSCollection.h"

// Choosing the reader for a file: the extension selects the reader in the registry, and the
// reader's probe of a few bytes inside the file may refuse it (the byte-order mark of a GEDCOM
// file, the version of a PAF file, the signature of a Legacy database).  Files are only ever
// opened for reading.

// The lower-case extension of a path with its dot ("/a/B.GED" -> ".ged"); only the extension is
// lower-cased, never the path itself.  Empty when the name has none.
std::string ExtensionOf(const std::string& path);

// The reader kind of a lower-case extension with its dot (".ged" -> GEDCOM); None for an
// extension no reader takes.
FileKind KindFromExtension(const std::string& extension);

// The message for a path that is there but not a regular file (a FIFO, a device, a socket, a
// folder); empty for a regular file or a path that cannot be looked at.  Only stat is used, so
// nothing blocks.
std::string NotRegularFileMessage(const std::string& path);

// Constructs the collection that reads the file (not yet imported).  Returns none with
// the message to show in `error` when no reader takes the file, the path is not a regular
// file or the file cannot be opened.
std::unique_ptr<WABSCollection> CreateCollectionForFile(const std::string& path, std::string& error);

// Why the export may not write to `path` before anything is opened: a name with the extension
// of another kind of genealogy file (a GEDCOM file must never take the place of one).  Empty
// when the name is fine.  Which files the source reads is checked once it is open.
std::string ExportTargetRefusal(const std::string& path);
