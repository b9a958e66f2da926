#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// GEDCOM lines in UTF-8, written into a buffer that is handed to a sink whenever it has grown
// past a limit (and by Flush), so that a whole file never stands in memory.
//
// Values are model texts (Windows-1252) and are converted here.  No line is longer than
// kMaxLineBytes including its line break: a longer value goes on in CONC lines, and each line
// break of a multi-line text starts a CONT line.  A value is never cut inside a UTF-8 sequence
// and, where the text allows, not beside a blank, because many readers (ours too) drop the
// blanks at both ends of a line.  Control characters become blanks (but a multi-line text keeps
// its TABs), and a value that begins with
// "@" gets it doubled so that it cannot read as a pointer.
class WGedcomWriter {
 public:
  using Sink = std::function<void(std::string_view)>;

  static constexpr size_t kMaxLineBytes = 255;

  explicit WGedcomWriter(Sink sink, size_t flush_at = 1 << 20);
  ~WGedcomWriter();
  WGedcomWriter(const WGedcomWriter&) = delete;
  WGedcomWriter& operator=(const WGedcomWriter&) = delete;

  // "0 @xref@ TAG" (xref without its "@" signs), or "0 TAG" when the xref is empty.
  void Record(std::string_view xref, std::string_view tag);
  // "level TAG value" for a one-line value; line breaks in it become blanks.  The value is long
  // only in rare cases; then it goes on in CONC lines.
  void Line(int level, std::string_view tag, std::string_view value = {});
  // A multi-line text: its first line on the tag's line, each further line in a CONT line; TABs
  // are kept.
  void Text(int level, std::string_view tag, std::string_view text);
  // "level TAG @xref@".
  void Pointer(int level, std::string_view tag, std::string_view xref);
  // A value already in UTF-8 and already checked (header values, dates): written as it is.
  void Utf8Line(int level, std::string_view tag, std::string_view utf8);

  // Hands what is buffered to the sink.
  void Flush();
  // Bytes written so far (buffered or handed on).
  size_t BytesWritten() const { return written_ + size_; }

  // The model text as a GEDCOM value in UTF-8: controls as blanks, a leading "@" doubled.
  static std::string ValueOf(std::string_view model_text);
  // Where a value of `length` bytes that must be cut after at most `room` bytes is best cut:
  // not inside a UTF-8 sequence and, if possible, between two characters that are not blanks.
  static size_t CutPoint(std::string_view utf8, size_t room);

 private:
  // "level TAG value" for a model text, converted on the way into the buffer.  CONC lines go at
  // `conc_level` (-1: one below the line; a CONT line's go beside it, at its own level).  TABs
  // stay TABs when `keep_tabs`.
  void ModelValue(int level, std::string_view tag, std::string_view model_text, int conc_level = -1,
                  bool keep_tabs = false);
  // Writes the prefix and the UTF-8 value, going on in CONC lines when it is too long.
  void WriteValue(int level, std::string_view tag, std::string_view value, int conc_level = -1);
  // The buffer's end, with room for at least `bytes` more.
  char* Room(size_t bytes);
  // Ends the line whose bytes go up to `end` (within the room asked for) and hands the buffer
  // on once it has grown past the limit.
  void EndLine(char* end);

  Sink sink_;
  size_t flush_at_;
  size_t capacity_;
  std::unique_ptr<char[]> buffer_;
  size_t size_ = 0;
  size_t written_ = 0;
};
