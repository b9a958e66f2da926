#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/ABSNote.h"

// A note made from a memo text: one line per carriage return, line feeds removed.  Empty lines
// between lines of text are kept (a trailing one is not).
class WTMGNote : public WABSNote {
 public:
  explicit WTMGNote(std::string_view text);

  // The note of a memo text; none when the text is empty.
  static std::unique_ptr<WABSNote> FromMemo(std::string_view text);
  // The note (made when there is none) with the sentence block added: a rule of hyphens and the
  // heading, then the sentence's text.
  static std::unique_ptr<WABSNote> WithSentence(std::unique_ptr<WABSNote> note,
                                                const std::string& sentence_text);
  // The rule and heading line of the sentence block.
  static const std::string& SentenceHeading();
};
