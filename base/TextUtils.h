#pragma once

// Small text and number routines shared by the model, the readers and the views.
//
// Every text of the model is a single-byte string in Windows-1252 (the "ANSI" code
// page).  Texts arrive from files as ANSEL or UTF-8 and are converted here; they
// leave for the terminal or the GUI as UTF-8 through AnsiToUtf8.

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

using ByteTable = std::array<unsigned char, 256>;

namespace textutils_detail {

constexpr ByteTable MakeUpperTable() {
  ByteTable t{};
  for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
  for (int c = 'a'; c <= 'z'; ++c) t[c] = static_cast<unsigned char>(c - 0x20);
  // à..þ map to À..Þ; 0xF7 is the division sign and 0xDF (ß) has no capital.
  for (int c = 0xE0; c <= 0xFE; ++c)
    if (c != 0xF7) t[c] = static_cast<unsigned char>(c - 0x20);
  t[0x9A] = 0x8A;  // š -> Š
  t[0x9C] = 0x8C;  // œ -> Œ
  t[0x9E] = 0x8E;  // ž -> Ž
  t[0xFF] = 0x9F;  // ÿ -> Ÿ
  return t;
}

constexpr ByteTable MakeLowerTable() {
  ByteTable t{};
  for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = static_cast<unsigned char>(c + 0x20);
  for (int c = 0xC0; c <= 0xDE; ++c)
    if (c != 0xD7) t[c] = static_cast<unsigned char>(c + 0x20);
  t[0x8A] = 0x9A;
  t[0x8C] = 0x9C;
  t[0x8E] = 0x9E;
  t[0x9F] = 0xFF;
  return t;
}

constexpr ByteTable MakeFoldTable() {
  ByteTable t{};
  for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
  auto fill = [&t](int from, int to, char folded) {
    for (int c = from; c <= to; ++c) t[c] = static_cast<unsigned char>(folded);
  };
  fill(0xC0, 0xC6, 'A');
  fill(0xC7, 0xC7, 'C');
  fill(0xC8, 0xCB, 'E');
  fill(0xCC, 0xCF, 'I');
  fill(0xD0, 0xD0, 'D');
  fill(0xD1, 0xD1, 'N');
  fill(0xD2, 0xD6, 'O');
  fill(0xD8, 0xD8, 'O');
  fill(0xD9, 0xDC, 'U');
  fill(0xDD, 0xDD, 'Y');
  fill(0xDF, 0xDF, 'B');
  fill(0xE0, 0xE6, 'a');
  fill(0xE7, 0xE7, 'c');
  fill(0xE8, 0xEB, 'e');
  fill(0xEC, 0xEF, 'i');
  fill(0xF1, 0xF1, 'n');
  fill(0xF2, 0xF6, 'o');
  fill(0xF8, 0xF8, 'o');
  fill(0xF9, 0xFC, 'u');
  fill(0xFD, 0xFD, 'y');
  fill(0xFF, 0xFF, 'y');
  fill(0xAF, 0xAF, 'y');
  return t;
}

}  // namespace textutils_detail

// Windows-1252 case tables: entry c is the upper-case (lower-case) form of byte c,
// accented letters included (é <-> É, š <-> Š, ÿ <-> Ÿ).  Built at compile time.
inline constexpr ByteTable UpperCaseTable = textutils_detail::MakeUpperTable();
inline constexpr ByteTable LowerCaseTable = textutils_detail::MakeLowerTable();
// Accent folding for searching: accented Latin letters to their base letter.
inline constexpr ByteTable AccentFoldTable = textutils_detail::MakeFoldTable();

inline char UpperCaseChar(char c) { return static_cast<char>(UpperCaseTable[static_cast<unsigned char>(c)]); }
inline char LowerCaseChar(char c) { return static_cast<char>(LowerCaseTable[static_cast<unsigned char>(c)]); }
inline char FoldAccentChar(char c) {
  return static_cast<char>(AccentFoldTable[static_cast<unsigned char>(c)]);
}

std::string UpperCaseText(std::string_view text);
std::string LowerCaseText(std::string_view text);
std::string FoldAccents(std::string_view text);

// Four-character Soundex code ("R163"); empty for an empty text.
std::string Soundex(std::string_view text);

// The number with the thousands separator of the user's numeric locale (LC_NUMERIC
// from the environment), "," where the locale defines none: 1234567 -> "1,234,567".
// "1.500 seconds": a duration with three decimals.
std::string FormatSeconds(double seconds);

std::string FormatCount(int value);
// The same with an explicit separator (Windows-1252 text, may be empty).
std::string FormatCount(int value, std::string_view separator);
// The thousands separator of the named locale ("" = the user's) as Windows-1252
// text; "," when the locale defines none or cannot be loaded.
std::string ThousandsSeparator(const char* localeName);

// A number typed into a box: digits only, saturating far above any count; 0 when empty or when
// anything but a digit is in it.
int64_t TypedNumber(std::string_view text);

// Appends the UTF-8 encoding of a code point (up to U+10FFFF).
void AppendUtf8(std::string& out, char32_t cp);

// ANSEL (the GEDCOM character set) to Windows-1252.  Combining diacritics precede the
// letter they mark; known pairs become one accented letter.  A NUL ends the text.
std::string AnselToAnsi(std::string_view text);

// UTF-8 to Windows-1252.  Characters the code page lacks become "?"; each malformed
// sequence (stray continuation byte, truncated or overlong sequence, surrogate,
// value above U+10FFFF) also becomes one "?".  Never reads past the end of the text.
std::string Utf8ToAnsi(std::string_view text);

// Windows-1252 to UTF-8.  The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the control characters of the same value, as the platform
// conversion does, so that Utf8ToAnsi(AnsiToUtf8(t)) == t for every byte string t.
std::string AnsiToUtf8(std::string_view text);

// True when the text is well-formed UTF-8 (plain ASCII included).
bool IsValidUtf8(std::string_view text);

// A UTF-8 text as a JSON string literal with its quotes; control characters escaped.
std::string JsonString(std::string_view utf8);

// A command-line argument as a model text: well-formed UTF-8 goes through
// Utf8ToAnsi; anything else is taken to be Windows-1252 already.
std::string ArgToAnsi(std::string_view arg);

// Removes every line feed and turns every carriage return into one blank.
std::string FlattenLines(std::string_view text);

// Every occurrence of c replaced by the replacement (which may be empty).
std::string ReplaceChar(std::string_view text, char c, std::string_view replacement);

// Byte-wise comparison with unsigned bytes; a proper prefix is smaller.  -1, 0 or 1.
int CompareBytes(std::string_view a, std::string_view b);

// Seconds since 1970-01-01 to a calendar date (whole days, truncating).  0 means
// "no time stamp" and gives the empty date 0/0/0, whose ok() is false.
std::chrono::year_month_day UnixTimeToDate(std::int64_t seconds);

// Reverses the byte order of a 32-bit value.
std::int32_t SwapBytes32(std::int32_t value);

// Splits "Boston, MA, USA" into "Boston" and "MA" (both trimmed; further parts are
// dropped).  Without a comma, first is the whole text (untrimmed) and second empty.
void SplitAtComma(std::string_view text, std::string& first, std::string& second);

// Trims characters up to and including the blank from both ends.
std::string TrimText(std::string_view text);
// The same without a copy: the trimmed part of the text.
std::string_view TrimView(std::string_view text);

// The words of a text written with single blanks, into words[0..count): false when there are
// more than `max` of them, or a blank at either end or two blanks together.  No allocation.
inline bool SplitSingleBlanks(std::string_view text, std::string_view* words, size_t max, size_t& count) {
  count = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (count == max) return false;
    const size_t start = i;
    while (i < text.size() && text[i] != ' ') ++i;
    if (i == start) return false;  // a blank at the start or two together
    words[count++] = text.substr(start, i - start);
    if (i < text.size() && ++i == text.size()) return false;  // a blank at the end
  }
  return true;
}

// Creates a new, empty file with a unique, unpredictable name beginning "brm" in
// $TMPDIR (default /tmp), readable and writable by the owner only, and returns its
// path.  The file is left in place so that no other process can take the name
// between this call and its use: the caller opens it (without O_EXCL) and removes it
// when done.  Throws EFCreateError when no file can be created.
std::string MakeTempFileName();
