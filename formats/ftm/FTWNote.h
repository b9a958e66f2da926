#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/ABSNote.h"

class WFTWCollection;

// A Family Tree Maker note: one line of text, either a note of the file's note list or a
// text a record carries itself (a citation's or a source's note).
class WFTWNote : public WABSNote {
 public:
  // Note n of the note list (no line when it is empty or does not exist).
  WFTWNote(const WFTWCollection& collection, int32_t n);
  explicit WFTWNote(const std::string& text) { AddLine(text); }

  // The note a record's note-reference slot leads to; none when the slot is 0 or leads
  // to no note number.
  static std::unique_ptr<WABSNote> OfReference(const WFTWCollection& collection, int32_t reference_slot);
};
