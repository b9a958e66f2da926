#pragma once

#include <cstdint>

#include "model/ABSNote.h"

class WPAFCollection;

// A PAF note: a chain of 256-byte note records, each holding a piece of the text and the
// number of the next record.  The pieces, each converted from UTF-8 on its own, are joined and
// split into lines at every CR.
class WPAFNote : public WABSNote {
 public:
  // Assembles the note from note record `first` (0 or -1: an empty note); `drop_line_feeds`
  // removes every LF from the lines.
  WPAFNote(WPAFCollection& collection, int32_t first, bool drop_line_feeds);
};
