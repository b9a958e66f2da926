#include "model/ABSNote.h"

#include "base/TextUtils.h"

void WABSNote::AddLine(const std::string& line) {
  if (!line.empty()) lines_.push_back(line);
}

std::string WABSNote::GetText(const std::string& separator) const {
  std::string result;
  for (const std::string& line : lines_) {
    if (result.empty()) {
      result = line;
    } else {
      result += separator;
      result += TrimText(line);
    }
  }
  return result;
}

std::string WABSNote::TextOf(const WABSNote* note) { return note ? note->GetText("\r\n") : std::string(); }
