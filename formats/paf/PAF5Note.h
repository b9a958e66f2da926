#pragma once

#include <cstdint>

#include "formats/paf/PAFNote.h"

// A note of version 5: pieces of 243 bytes at offset 13, line feeds removed.
class WPAF5Note : public WPAFNote {
 public:
  WPAF5Note(WPAFCollection& collection, int32_t first) : WPAFNote(collection, first, true) {}
};
