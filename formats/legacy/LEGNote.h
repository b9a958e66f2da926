#pragma once

#include <memory>
#include <string>

#include "model/ABSNote.h"

// A note made from one of Legacy's memo texts: a line at every CR, with every LF removed.  An
// empty line between two line breaks is kept as a line of its own (the paragraph breaks of a
// note), though the model's AddLine drops empty texts: it is stored as one blank, which the
// note's text trims back to nothing.  Empty lines before the first text and after the last line
// break would vanish from the text anyway and are not stored.
class WLEGNote : public WABSNote {
 public:
  explicit WLEGNote(const std::string& text);

  // A new note from the text; none when the text is empty.
  static std::unique_ptr<WABSNote> From(const std::string& text);
};
