#include "base/TextUtils.h"

#include <langinfo.h>
#include <locale.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/Errors.h"
#include "base/TempFolder.h"

namespace {

std::string MapBytes(std::string_view text, const ByteTable& table) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  return out;
}

// Unicode code points of Windows-1252 bytes 0x80..0x9F.  The five bytes the code page
// leaves undefined carry their own value (U+0081 ...), as the platform conversion does.
constexpr char32_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t AnsiToUnicode(unsigned char b) { return (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : b; }

// The Windows-1252 byte of a code point, or '?' when the code page lacks it.
char UnicodeToAnsi(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i)
    if (kCp1252High[i] == cp) return static_cast<char>(0x80 + i);
  return '?';
}

// Decodes one UTF-8 sequence at text[pos].  On success stores the code point, advances
// pos past the sequence and returns true.  On a malformed sequence advances pos past
// its longest well-formed prefix (at least one byte) and returns false.
bool DecodeUtf8(std::string_view text, size_t& pos, char32_t& cp) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char b = byte(pos);
  if (b < 0x80) {
    cp = b;
    ++pos;
    return true;
  }
  int more;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    more = 1;
    cp = b & 0x1F;
  } else if (b >= 0xE0 && b <= 0xEF) {
    more = 2;
    cp = b & 0x0F;
    if (b == 0xE0) lo = 0xA0;  // overlong
    if (b == 0xED) hi = 0x9F;  // surrogates
  } else if (b >= 0xF0 && b <= 0xF4) {
    more = 3;
    cp = b & 0x07;
    if (b == 0xF0) lo = 0x90;  // overlong
    if (b == 0xF4) hi = 0x8F;  // above U+10FFFF
  } else {
    ++pos;
    return false;
  }
  ++pos;
  for (int k = 0; k < more; ++k, lo = 0x80, hi = 0xBF) {
    if (pos >= text.size()) return false;
    unsigned char c = byte(pos);
    if (c < lo || c > hi) return false;
    cp = (cp << 6) | (c & 0x3F);
    ++pos;
  }
  return true;
}

// ANSEL diacritic followed by a letter -> Windows-1252 byte; 0 when the pair is unknown.
unsigned char AnselPair(unsigned char mark, unsigned char letter) {
  struct Pair {
    char letter;
    unsigned char ansi;
  };
  static constexpr Pair kGrave[] = {{'A', 0xC0}, {'E', 0xC8}, {'I', 0xCC}, {'O', 0xD2}, {'U', 0xD9},
                                    {'a', 0xE0}, {'e', 0xE8}, {'i', 0xEC}, {'o', 0xF2}, {'u', 0xF9}};
  static constexpr Pair kAcute[] = {{'A', 0xC1}, {'E', 0xC9}, {'I', 0xCD}, {'O', 0xD3},
                                    {'U', 0xDA}, {'Y', 0xDD}, {'a', 0xE1}, {'e', 0xE9},
                                    {'i', 0xED}, {'o', 0xF3}, {'u', 0xFA}, {'y', 0xFD}};
  static constexpr Pair kCircumflex[] = {{'A', 0xC2}, {'E', 0xCA}, {'I', 0xCE}, {'O', 0xD4}, {'U', 0xDB},
                                         {'a', 0xE2}, {'e', 0xEA}, {'i', 0xEE}, {'o', 0xF4}, {'u', 0xFB}};
  static constexpr Pair kTilde[] = {{'A', 0xC3}, {'N', 0xD1}, {'O', 0xD5},
                                    {'a', 0xE3}, {'n', 0xF1}, {'o', 0xF5}};
  static constexpr Pair kUmlaut[] = {{'A', 0xC4}, {'E', 0xCB}, {'I', 0xCF}, {'O', 0xD6},
                                     {'U', 0xDC}, {'Y', 0x9F}, {'a', 0xE4}, {'e', 0xEB},
                                     {'i', 0xEF}, {'o', 0xF6}, {'u', 0xFC}, {'y', 0xFF}};
  auto find = [letter](const auto& pairs) -> unsigned char {
    // The ANSEL dotless i (0xB8) takes accents like "i".
    unsigned char l = letter == 0xB8 ? 'i' : letter;
    for (const Pair& p : pairs)
      if (static_cast<unsigned char>(p.letter) == l) return p.ansi;
    return 0;
  };
  switch (mark) {
    case 0xE1:
      return find(kGrave);
    case 0xE2:
      return find(kAcute);
    case 0xE3:
      return find(kCircumflex);
    case 0xE4:
      return find(kTilde);
    case 0xE6:
      return letter == 's' ? 0x9A : 0x8A;  // caron: š, otherwise Š
    case 0xE8:
      return find(kUmlaut);
    case 0xEA:
      return letter == 'a' ? 0xE5 : 0xC5;  // ring: å, otherwise Å
    case 0xF0:
      return letter == 'c' ? 0xE7 : 0xC7;  // cedilla: ç, otherwise Ç
  }
  return 0;
}

bool IsAnselDiacritic(unsigned char b) {
  switch (b) {
    case 0xE1:
    case 0xE2:
    case 0xE3:
    case 0xE4:
    case 0xE6:
    case 0xE8:
    case 0xEA:
    case 0xF0:
      return true;
  }
  return false;
}

unsigned char AnselSingle(unsigned char b) {
  switch (b) {
    case 0xA2:
      return 0xD8;
    case 0xA3:
      return 0xD0;
    case 0xA4:
      return 0xDE;
    case 0xA5:
      return 0xC6;
    case 0xA6:
      return 0x8C;
    case 0xA8:
      return 0xB7;
    case 0xAB:
      return 0xB1;
    case 0xB2:
      return 0xF8;
    case 0xB4:
      return 0xFE;
    case 0xB5:
      return 0xE6;
    case 0xB6:
      return 0x9C;
    case 0xB9:
      return 0xA3;
    case 0xC0:
      return 0xB0;
    case 0xC3:
      return 0xA9;
    case 0xC5:
      return 0xBF;
    case 0xC6:
      return 0xA1;
    case 0xCF:
      return 0xDF;
  }
  return b;
}

// The thousands separator of a locale as raw bytes in the locale's own code set,
// converted to Windows-1252.  Blank-like separators the code page lacks (narrow
// no-break space, thin space, figure space) become the no-break space 0xA0.
std::string SeparatorToAnsi(const char* sep, const char* codeset) {
  std::string raw = sep ? sep : "";
  if (raw.empty()) return ",";
  bool utf8 = codeset && (strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0);
  if (!utf8) return raw;  // single-byte code sets: take the bytes as they are
  size_t pos = 0;
  std::string out;
  while (pos < raw.size()) {
    char32_t cp = 0;
    if (!DecodeUtf8(raw, pos, cp)) return ",";
    if (cp == 0x202F || cp == 0x2009 || cp == 0x2007) cp = 0xA0;
    char c = UnicodeToAnsi(cp);
    if (c == '?' && cp != '?') return ",";
    out += c;
  }
  return out;
}

}  // namespace

int64_t TypedNumber(std::string_view text) {
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    if (value < (int64_t{1} << 40)) value = value * 10 + (c - '0');
  }
  return value;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string UpperCaseText(std::string_view text) { return MapBytes(text, UpperCaseTable); }
std::string LowerCaseText(std::string_view text) { return MapBytes(text, LowerCaseTable); }
std::string FoldAccents(std::string_view text) { return MapBytes(text, AccentFoldTable); }

std::string Soundex(std::string_view text) {
  if (text.empty()) return "";
  static constexpr char kCodes[] = "901230120022455012623010202";
  const auto codeOf = [](char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') u = static_cast<unsigned char>(u - 0x20);
    return (u >= 'A' && u <= 'Z') ? kCodes[u - 'A' + 1] : kCodes[0];
  };
  std::string result = "A000";
  char first = text[0];
  result[0] = (first >= 'a' && first <= 'z') ? static_cast<char>(first - 0x20) : first;
  char previous = 0;  // "none": differs from every digit
  char current = 0;
  size_t out = 1;
  for (size_t i = 1; i < text.size() && out < 4; ++i) {
    char code = codeOf(text[i]);
    if (code != '9') current = code;
    if (current != previous && current != '0' && current != 0) result[out++] = current;
    previous = current;
  }
  return result;
}

std::string FormatCount(int value, std::string_view separator) {
  // Work on the magnitude as unsigned so that INT_MIN formats correctly.
  unsigned long long magnitude =
      value < 0 ? 0ULL - static_cast<unsigned long long>(static_cast<long long>(value)) : value;
  std::string digits = std::to_string(magnitude);
  std::string out;
  if (value < 0) out += '-';
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

std::string ThousandsSeparator(const char* localeName) {
  // A private locale object: the process locale stays as it is.
  locale_t loc = newlocale(LC_NUMERIC_MASK | LC_CTYPE_MASK, localeName, static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) {
    // LC_CTYPE may name a locale that is not installed; try the numeric part alone.
    loc = newlocale(LC_NUMERIC_MASK, localeName, static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0)) return ",";
  }
  std::string sep = SeparatorToAnsi(nl_langinfo_l(THOUSEP, loc), nl_langinfo_l(CODESET, loc));
  freelocale(loc);
  return sep;
}

std::string FormatCount(int value) {
  static const std::string separator = ThousandsSeparator("");
  return FormatCount(value, separator);
}

std::string AnselToAnsi(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    // A run of bytes that stand for themselves is copied whole.
    size_t run = i;
    while (run < text.size() && text[run] != '\0' && static_cast<unsigned char>(text[run]) < 0xA2) ++run;
    out.append(text.data() + i, run - i);
    i = run;
    if (i >= text.size()) break;
    unsigned char b = static_cast<unsigned char>(text[i]);
    if (b == 0) break;
    if (IsAnselDiacritic(b)) {
      // A mark at the end (or before a NUL) is kept as it is.
      if (i + 1 >= text.size() || text[i + 1] == '\0') {
        out += static_cast<char>(b);
        continue;
      }
      unsigned char combined = AnselPair(b, static_cast<unsigned char>(text[++i]));
      out += static_cast<char>(combined ? combined : b);
    } else {
      out += static_cast<char>(AnselSingle(b));
    }
  }
  return out;
}

std::string Utf8ToAnsi(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    // A run of ASCII is copied whole.
    size_t run = pos;
    for (uint64_t w; text.size() - run >= 8; run += 8) {
      std::memcpy(&w, text.data() + run, 8);
      if (w & 0x8080808080808080ull) break;
    }
    while (run < text.size() && static_cast<unsigned char>(text[run]) < 0x80) ++run;
    out.append(text.data() + pos, run - pos);
    pos = run;
    if (pos >= text.size()) break;
    char32_t cp = 0;
    out += DecodeUtf8(text, pos, cp) ? UnicodeToAnsi(cp) : '?';
  }
  return out;
}

std::string AnsiToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (char c : text) AppendUtf8(out, AnsiToUnicode(static_cast<unsigned char>(c)));
  return out;
}

bool IsValidUtf8(std::string_view text) {
  size_t pos = 0;
  char32_t cp = 0;
  while (pos < text.size())
    if (!DecodeUtf8(text, pos, cp)) return false;
  return true;
}

std::string ArgToAnsi(std::string_view arg) { return IsValidUtf8(arg) ? Utf8ToAnsi(arg) : std::string(arg); }

std::string FlattenLines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\n') continue;
    out += c == '\r' ? ' ' : c;
  }
  return out;
}

std::string ReplaceChar(std::string_view text, char c, std::string_view replacement) {
  std::string out;
  out.reserve(text.size());
  for (char x : text) {
    if (x == c)
      out += replacement;
    else
      out += x;
  }
  return out;
}

int CompareBytes(std::string_view a, std::string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  int c = n ? std::memcmp(a.data(), b.data(), n) : 0;  // memcmp compares unsigned bytes
  if (c != 0) return c < 0 ? -1 : 1;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::chrono::year_month_day UnixTimeToDate(std::int64_t seconds) {
  using namespace std::chrono;
  if (seconds == 0) return year_month_day{year{0}, month{0}, day{0}};
  // Truncating division: one second before 1970 still falls on 1 January 1970.
  return year_month_day{sys_days{days{seconds / 86400}}};
}

std::int32_t SwapBytes32(std::int32_t value) {
  std::uint32_t v = static_cast<std::uint32_t>(value);
  v = (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
  return static_cast<std::int32_t>(v);
}

std::string TrimText(std::string_view text) { return std::string(TrimView(text)); }

std::string_view TrimView(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(begin, end - begin);
}

void SplitAtComma(std::string_view text, std::string& first, std::string& second) {
  size_t comma = text.find(',');
  if (comma == std::string_view::npos) {
    first = std::string(text);
    second.clear();
    return;
  }
  first = TrimText(text.substr(0, comma));
  std::string_view rest = text.substr(comma + 1);
  second = TrimText(rest.substr(0, rest.find(',')));
}

std::string TempFolderMessage(const std::string& folder, int error) {
  std::string name = folder;
  if (name.size() > 1 && name.back() == '/') name.pop_back();
  return "Error using the temporary folder " + name + ": " + std::strerror(error) +
         "\r\nPlease check that the folder exists, can be written to and has room.";
}

std::string MakeTempFileName() {
  const char* dir = getenv("TMPDIR");
  std::string path = (dir && *dir) ? dir : "/tmp";
  if (path.back() != '/') path += '/';
  const std::string folder = path;
  path += "brmXXXXXX";
  int fd = mkstemp(path.data());
  if (fd < 0) throw EFCreateError(TempFolderMessage(folder, errno));
  close(fd);
  return path;
}

std::string FormatSeconds(double seconds) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3f seconds", seconds);
  return buffer;
}

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}
