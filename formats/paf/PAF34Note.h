#pragma once

#include <cstdint>

#include "formats/paf/PAFNote.h"

// A note of versions 3 and 4: pieces of 244 bytes at offset 12.
class WPAF34Note : public WPAFNote {
 public:
  WPAF34Note(WPAFCollection& collection, int32_t first) : WPAFNote(collection, first, false) {}
};
