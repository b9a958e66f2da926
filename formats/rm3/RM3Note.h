#pragma once

#include <memory>
#include <string>

#include "model/ABSNote.h"

// A note made of one memo: a single line holding the whole text, line breaks inside it
// included.  An empty text gives a note with no lines.
class WRM3Note : public WABSNote {
 public:
  explicit WRM3Note(const std::string& text) { AddLine(text); }

  // The note of a text; none when the text is empty.
  static std::unique_ptr<WABSNote> NoneWhenEmpty(const std::string& text) {
    if (text.empty()) return nullptr;
    return std::make_unique<WRM3Note>(text);
  }
};
