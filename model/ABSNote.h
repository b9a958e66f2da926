#pragma once

#include <string>
#include <vector>

// A note: an ordered list of text lines.  Readers create one and fill it with AddLine;
// whoever asked for it owns it.
class WABSNote {
 public:
  WABSNote() = default;
  virtual ~WABSNote() = default;

  // Appends the text as a new line; an empty text is ignored.
  void AddLine(const std::string& line);

  // The lines joined by the separator: the first non-empty start is kept as stored,
  // every later line is trimmed of blanks and preceded by the separator.
  std::string GetText(const std::string& separator) const;

  const std::vector<std::string>& Lines() const { return lines_; }
  int LineCount() const { return static_cast<int>(lines_.size()); }

  // The note's lines joined by CR LF, or an empty text when there is no note.
  static std::string TextOf(const WABSNote* note);

 private:
  std::vector<std::string> lines_;
};
