#pragma once

#include <string>
#include <string_view>

// Texts of a Family Tree Maker file are UTF-16 little-endian; the model's texts are
// Windows-1252.  The conversion here is the one every part of the reader uses.
class WFTWText {
 public:
  // The units of `utf16le` (byte pairs, low byte first) up to the first unit 0, in
  // Windows-1252.  A character the code page lacks becomes "?", a surrogate pair (one
  // character) one "?"; an odd last byte is ignored.
  static std::string ToAnsi(std::string_view utf16le);
  // The same for one UTF-16 unit; 0 is kept as 0.
  static char UnitToAnsi(char16_t unit);
  // The unit at byte `at` of `utf16le` (0 past the end).
  static char16_t UnitAt(std::string_view utf16le, size_t at) {
    if (at + 1 >= utf16le.size()) return 0;
    return static_cast<char16_t>(static_cast<unsigned char>(utf16le[at]) |
                                 (static_cast<unsigned char>(utf16le[at + 1]) << 8));
  }
  // Windows-1252 text as UTF-16 little-endian bytes (for tests and tools).
  static std::string FromAnsi(std::string_view ansi);
};
