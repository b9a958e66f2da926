#include "formats/tmg/TMGNote.h"

#include <string>
#include <vector>

WTMGNote::WTMGNote(std::string_view text) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (;;) {
    const size_t cr = text.find('\r', start);
    std::string piece(text.substr(start, cr == std::string_view::npos ? std::string_view::npos : cr - start));
    std::erase(piece, '\n');
    pieces.push_back(std::move(piece));
    if (cr == std::string_view::npos) break;
    start = cr + 1;
  }
  if (!pieces.empty() && pieces.back().empty()) pieces.pop_back();
  // A note line that is empty would be dropped; once the text has begun, an empty line is kept
  // as a single blank, which the note's text shows as an empty line.
  bool begun = false;
  for (const std::string& piece : pieces) {
    if (!piece.empty()) {
      AddLine(piece);
      begun = true;
    } else if (begun) {
      AddLine(" ");
    }
  }
}

std::unique_ptr<WABSNote> WTMGNote::FromMemo(std::string_view text) {
  if (text.empty()) return nullptr;
  return std::make_unique<WTMGNote>(text);
}

const std::string& WTMGNote::SentenceHeading() {
  static const std::string heading = std::string(100, '-') + "\r\nSENTENCE CONTRUCTION RULE:";
  return heading;
}

std::unique_ptr<WABSNote> WTMGNote::WithSentence(std::unique_ptr<WABSNote> note,
                                                 const std::string& sentence_text) {
  if (!note) note = std::make_unique<WABSNote>();
  note->AddLine(SentenceHeading());
  note->AddLine(sentence_text);
  return note;
}
