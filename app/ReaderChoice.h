#pragma once

#include <memory>
#include <string>

#include "model/ABSCollection.h"

struct WReaderInfo;

// Choosing the reader for a file: the extension selects the reader in the registry, and the
// reader's probe of a few bytes inside the file may refuse it (the byte-order mark of a GEDCOM
// file, the version of a PAF file, the signature of a Legacy database).  When the content of the
// file is not that of the extension's reader but another reader's content probe takes it (a
// GEDCOM file named .paf), that reader reads it instead.  Files are only ever opened for reading.

// The lower-case extension of a path with its dot ("/a/B.GED" -> ".ged"); only the extension is
// lower-cased, never the path itself.  Empty when the name has none.
std::string ExtensionOf(const std::string& path);

// The reader of a lower-case extension with its dot (".ged" -> the GEDCOM reader); nullptr for an
// extension no reader takes.
const WReaderInfo* KindFromExtension(const std::string& extension);

// The reader for a file: the extension's reader, unless its content probe refuses the file and
// another reader's content probe (and its refusal check) accepts it.  `note` then tells the user
// which reader was taken; it is empty otherwise.  nullptr for an extension no reader takes.
const WReaderInfo* ReaderForFile(const std::string& path, std::string& note);

// The message for a path that is there but not a regular file (a FIFO, a device, a socket, a
// folder); empty for a regular file or a path that cannot be looked at.  Only stat is used, so
// nothing blocks.
std::string NotRegularFileMessage(const std::string& path);

// Constructs the collection that reads the file (not yet imported).  Returns none with
// the message to show in `error` when no reader takes the file, the path is not a regular
// file or the file cannot be opened.  When a reader other than the extension's was chosen by the
// file's content, `note` (when given) receives the text that says so, for the status bar.
std::unique_ptr<WABSCollection> CreateCollectionForFile(const std::string& path, std::string& error,
                                                        std::string* note = nullptr);

// Why the export may not write to `path` before anything is opened: a name with the extension
// of another kind of genealogy file (a GEDCOM file must never take the place of one).  Empty
// when the name is fine.  Which files the source reads is checked once it is open.
std::string ExportTargetRefusal(const std::string& path);
