#include "formats/ftm/FTWText.h"

#include <iterator>

namespace {

// Code points of Windows-1252 bytes 0x80..0x9F.  The five bytes the code page leaves
// undefined stand for the control characters of the same value, as the platform's
// conversion treats them.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char WFTWText::UnitToAnsi(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  for (size_t i = 0; i < std::size(kHigh); ++i)
    if (kHigh[i] == unit) return static_cast<char>(0x80 + i);
  return '?';
}

std::string WFTWText::ToAnsi(std::string_view utf16le) {
  std::string out;
  out.reserve(utf16le.size() / 2);
  for (size_t at = 0; at + 1 < utf16le.size(); at += 2) {
    const char16_t unit = UnitAt(utf16le, at);
    if (unit == 0) break;
    // The high half of a pair stands for the whole character; its low half is skipped.
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      const char16_t low = UnitAt(utf16le, at + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) at += 2;
    }
    out += UnitToAnsi(unit);
  }
  return out;
}

std::string WFTWText::FromAnsi(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size() * 2);
  for (char c : ansi) {
    const unsigned char b = static_cast<unsigned char>(c);
    const char16_t unit = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b;
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  }
  return out;
}
