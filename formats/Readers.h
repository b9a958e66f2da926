#pragma once

#include <string>
#include <vector>

#include "model/ReaderInfo.h"

// The registry of readers: every reader the program offers, in the order the file dialogs list
// them.  Adding a reader is one line in Readers.cpp.
const std::vector<const WReaderInfo*>& RegisteredReaders();

// The reader whose extensions include this lower-case extension (with its dot); nullptr when
// none does.
const WReaderInfo* ReaderForExtension(const std::string& extension);
