#pragma once

#include <memory>

#include "model/ABSNote.h"
#include "model/RecNo.h"

class WGEDCollection;

// A GEDCOM note record (0 @N1@ NOTE ...), read completely when it is made.  Also home of
// the rule by which any NOTE (or TEXT) line becomes a note.
class WGEDNote : public WABSNote {
 public:
  // Reads note record n; raises EIndexError outside 1..NoteCount.
  WGEDNote(WGEDCollection& collection, RecNo n);

  // The note of a NOTE or TEXT line: the note record its value points to (none when the
  // identifier is unknown), or a new note holding the inline text.  None without a line.
  static std::unique_ptr<WABSNote> NoteOfLine(WGEDCollection& collection, const char* line);
};
