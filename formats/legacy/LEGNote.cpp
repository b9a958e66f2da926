#include "formats/legacy/LEGNote.h"

WLEGNote::WLEGNote(const std::string& text) {
  bool started = false;
  size_t begin = 0;
  while (begin <= text.size()) {
    size_t cr = text.find('\r', begin);
    const bool last = cr == std::string::npos;
    std::string line;
    for (size_t i = begin; i < (last ? text.size() : cr); ++i)
      if (text[i] != '\n') line += text[i];
    if (!line.empty()) {
      AddLine(line);
      started = true;
    } else if (started && !last) {
      AddLine(" ");
    }
    if (last) break;
    begin = cr + 1;
  }
}

std::unique_ptr<WABSNote> WLEGNote::From(const std::string& text) {
  if (text.empty()) return nullptr;
  return std::make_unique<WLEGNote>(text);
}
