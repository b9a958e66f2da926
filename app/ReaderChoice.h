#pragma once

#include <memory>
#include <string>

#include "model/ABSCollection.h"

// Choosing the reader for a file: the extension selects the kind of reader, and a few
// bytes inside the file confirm it (the byte-order mark of a GEDCOM file, the version of
// a PAF file, the signature of a Legacy database).  Files are only ever opened for
// reading.

// The reader kind of a lower-case extension with its dot (".ged" -> GEDCOM); None for an
// extension no reader takes.
FileKind KindFromExtension(const std::string& extension);

// True when the file starts with the UTF-16 little-endian byte-order mark (FF FE).  A file
// that cannot be opened is not Unicode: its reader reports the failure.
bool IsUnicodeFile(const std::string& path);

// The version of a PAF file from its signature bytes: 300, 400 or 500; 1 when the bytes
// name none of them or the file cannot be read.
int DetectPAFVersion(const std::string& path);

// True when the file carries the Jet database signature at offset 13; otherwise false
// with the message in `error`.
bool IsLegacyDatabase(const std::string& path, std::string& error);

// Constructs the collection that reads the file (not yet imported).  Returns none with
// the message to show in `error` when no reader takes the file or the file cannot be
// opened.
std::unique_ptr<WABSCollection> CreateCollectionForFile(const std::string& path, std::string& error);
