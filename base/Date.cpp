#include "base/Date.h"

#include <algorithm>
#include <ctime>
#include <iterator>

#include "base/TextUtils.h"

namespace {

const char* const kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The parser keeps at most this many tokens of at most this many characters.
constexpr size_t kMaxTokens = 15;
constexpr size_t kTokenChars = 7;

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// The value of a text of digits (at most seven of them).
int NumberOf(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

// The first four characters of a text as one word, the end of the text counting as NULs.
// Qualifier and month words are compared so: entries of three letters therefore match
// whole tokens only, four-letter entries every token that starts with them.
constexpr uint32_t Word4(std::string_view s) {
  uint32_t w = 0;
  for (size_t k = 0; k < 4; ++k) w = (w << 8) | static_cast<unsigned char>(k < s.size() ? s[k] : '\0');
  return w;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// A token: a piece of the stored text (or a constant month name), with what the parser asks
// of it worked out once.  Dates are parsed by the million, so tokens live in a fixed array and
// cost no allocation.
struct Token {
  std::string_view s;
  uint32_t word;                // Word4(s)
  int number;                   // the value when s is all digits, otherwise -1
  bool digits;                  // counts as a number for the numeric shortcuts
  std::uint8_t nextYearDigits;  // s is the first year of a double-dated year ("1750" of "1750/51")
};

class Tokens {
 public:
  // Appends a token unless kMaxTokens are there; `digits` only where the text is all digits.
  void push_back(std::string_view s, bool digits, std::uint8_t next_year_digits = 0) {
    if (count_ >= kMaxTokens) return;
    const bool all_digits = AllDigits(s);
    items_[count_++] =
        Token{s, Word4(s), all_digits ? NumberOf(s) : -1, digits && all_digits, next_year_digits};
  }
  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  const Token& operator[](size_t i) const { return items_[i]; }

 private:
  Token items_[kMaxTokens];  // only the first count_ are set
  size_t count_ = 0;
};

// The qualifier code of a word; 0 when the token is not a qualifier word.
int QualifierOf(const Token& token) {
  switch (token.word) {
    case Word4("TO"):
      return kQualTo;
    case Word4("AND"):
      return kQualAnd;
    case Word4("BEF"):
    case Word4("BEF."):
    case Word4("BEFO"):
      return kQualBefore;
    case Word4("CAL"):
    case Word4("CAL."):
      return kQualCalculated;
    case Word4("CIR"):
    case Word4("CIR."):
      return kQualCirca;
    case Word4("ABT"):
    case Word4("ABT."):
    case Word4("SAY"):
    case Word4("ABOU"):
    case Word4("AROU"):
      return kQualAbout;
    case Word4("BET"):
    case Word4("BET."):
    case Word4("BETW"):
      return kQualBetween;
    case Word4("AFT"):
    case Word4("AFT."):
    case Word4("AFTE"):
      return kQualAfter;
    case Word4("INT"):
    case Word4("INT."):
      return kQualInterpreted;
    case Word4("EST"):
    case Word4("EST."):
      return kQualEstimated;
    case Word4("FROM"):
      return kQualFrom;
    default:
      return 0;
  }
}

// The month of a Gregorian (or Julian) month name: its first three letters as a whole
// token, or its first four letters.
int GregorianMonthOf(uint32_t word) {
  switch (word) {
    case Word4("JAN"):
    case Word4("JANU"):
      return 1;
    case Word4("FEB"):
    case Word4("FEBR"):
      return 2;
    case Word4("MAR"):
    case Word4("MARC"):
      return 3;
    case Word4("APR"):
    case Word4("APRI"):
      return 4;
    case Word4("MAY"):
      return 5;
    case Word4("JUN"):
    case Word4("JUNE"):
      return 6;
    case Word4("JUL"):
    case Word4("JULY"):
      return 7;
    case Word4("AUG"):
    case Word4("AUGU"):
      return 8;
    case Word4("SEP"):
    case Word4("SEPT"):
      return 9;
    case Word4("OCT"):
    case Word4("OCTO"):
      return 10;
    case Word4("NOV"):
    case Word4("NOVE"):
      return 11;
    case Word4("DEC"):
    case Word4("DECE"):
      return 12;
    default:
      return 0;
  }
}

// The month number of a month name in the given calendar; 0 when it is none.
int MonthOf(const Token& token, int calendar) {
  static constexpr uint32_t kHebrew[] = {Word4("TSH"), Word4("CSH"), Word4("KSL"), Word4("TVT"), Word4("SHV"),
                                         Word4("ADR"), Word4("ADS"), Word4("NSN"), Word4("IYR"), Word4("SVN"),
                                         Word4("TMZ"), Word4("AAV"), Word4("ELL")};
  static constexpr uint32_t kFrench[] = {
      Word4("VEND"), Word4("BRUM"), Word4("FRIM"), Word4("NIVO"), Word4("PLUV"), Word4("VENT"), Word4("GERM"),
      Word4("FLOR"), Word4("PRAI"), Word4("MESS"), Word4("THER"), Word4("FRUC"), Word4("COMP")};
  const uint32_t word = token.word;
  switch (calendar) {
    case kCalGregorian:
    case kCalJulian:
      return GregorianMonthOf(word);
    case kCalHebrew:
      for (int k = 0; k < 13; ++k)
        if (word == kHebrew[k]) return k + 1;
      return 0;
    case kCalFrench:
      for (int k = 0; k < 13; ++k)
        if (word == kFrench[k]) return k + 1;
      return 0;
  }
  return 0;  // Roman and unknown calendars have no month names
}

bool IsSeparator(char c) { return c == '/' || c == '.'; }

// The fixed forms of short numeric dates ("1750/1751", "31.12.1850", "12/1850" ...).
// Only the first token of a fixed form may count as all digits, so the number
// shortcuts never apply to them.  Returns false when the text has none of the forms.
bool SplitFixedForm(std::string_view s, Tokens& tokens) {
  static constexpr std::string_view kUpperMonths[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  const size_t len = s.size();
  // Positions as in the text, 1-based.
  auto at = [&s](size_t pos) { return s[pos - 1]; };
  auto part = [&s](size_t from, size_t to) { return s.substr(from - 1, to - from + 1); };
  std::string_view parts[3];
  size_t count = 0;
  auto take = [&](std::string_view p) { parts[count++] = p; };
  if (len == 9 && IsSeparator(at(5)) && !IsSeparator(at(2)) && !IsSeparator(at(3))) {
    take(part(1, 4));
    take(part(6, 9));
  } else if (len == 6 && at(1) == '<' && at(6) == '>') {
    take(part(2, 5));
  } else if (len == 10 && IsSeparator(at(3)) && IsSeparator(at(6))) {
    take(part(7, 10));
    take(part(1, 2));
    take(part(4, 5));
  } else if (len == 9 && IsSeparator(at(3)) && IsSeparator(at(5))) {
    take(part(6, 9));
    take(part(1, 2));
    take(part(4, 4));
  } else if (len == 9 && IsSeparator(at(2)) && IsSeparator(at(5))) {
    take(part(6, 9));
    take(part(1, 1));
    take(part(3, 4));
  } else if (len == 8 && IsSeparator(at(2)) && IsSeparator(at(4))) {
    take(part(5, 8));
    take(part(1, 1));
    take(part(3, 3));
  } else if (len == 7 && IsSeparator(at(3))) {
    auto digit = [](char c) { return (c >= '0' && c <= '9') ? c - '0' : 0; };
    int n = 10 * digit(at(1)) + digit(at(2));
    if (n >= 1 && n <= 12) take(kUpperMonths[n - 1]);
    take(part(4, 7));
  } else {
    return false;
  }
  for (size_t k = 0; k < count; ++k) tokens.push_back(parts[k], k == 0);
  return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the run of digits at s[from...].
size_t DigitRun(std::string_view s, size_t from) {
  size_t k = from;
  while (k < s.size() && IsDigit(s[k])) ++k;
  return k - from;
}

// A double-dated year ("1750/51", "1708/9", "1699/00", "1103/1104"): a year of three or four
// digits, "/" and the next year or its last one to four digits, the whole ending the token.
// Returns how many digits the second part has (the year is s[0..year_len)); 0 when the text
// at s is no such year.
std::uint8_t DoubleYearDigits(std::string_view s, size_t year_len) {
  if (year_len < 3 || year_len > 4 || s.size() <= year_len || s[year_len] != '/') return 0;
  const size_t digits = DigitRun(s, year_len + 1);
  const size_t end = year_len + 1 + digits;
  if (digits < 1 || digits > 4 || (end < s.size() && s[end] != ' ' && s[end] != '-')) return 0;
  const int year = NumberOf(s.substr(0, year_len));
  if (year < 32 || year >= 3000) return 0;  // a year in the general rule's eyes
  int modulus = 1;
  for (size_t k = 0; k < digits; ++k) modulus *= 10;
  return NumberOf(s.substr(year_len + 1, digits)) == (year + 1) % modulus ? static_cast<std::uint8_t>(digits)
                                                                          : 0;
}

// Splits at blanks, hyphens and slashes; keeps the first 7 characters of each token.  A
// double-dated year stays one token: its first year, marked with the digits of the second.
void SplitGeneral(std::string_view s, Tokens& tokens) {
  auto isSep = [](char c) { return c == ' ' || c == '-' || c == '/'; };
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && isSep(s[i])) ++i;
    if (i >= s.size()) break;
    size_t start = i;
    while (i < s.size() && !isSep(s[i])) ++i;
    // Tokens beyond the fifteenth are dropped.
    if (tokens.size() >= kMaxTokens) break;
    std::string_view t = s.substr(start, std::min(i - start, kTokenChars));
    if (i < s.size() && s[i] == '/' && DigitRun(s, start) == i - start) {
      if (std::uint8_t next = DoubleYearDigits(s.substr(start), i - start)) {
        tokens.push_back(t, true, next);
        i += 1 + next;
        continue;
      }
    }
    tokens.push_back(t, true);
  }
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

}  // namespace

std::string DateRec::DisplayText() const {
  std::string s;
  if (day != 0) s += std::to_string(day) + " ";
  if (month >= 1 && month <= 12) s += std::string(kMonthNames[month - 1]) + " ";
  if (year != 0) {
    s += std::to_string(year);
    if (nextYearDigits >= 1 && nextYearDigits <= 4) {
      // The last digits of the next year, zeros kept: "1699/00", "1700/01".
      std::string next = std::to_string(year + 1);
      if (next.size() < nextYearDigits) next.insert(0, nextYearDigits - next.size(), '0');
      s += "/" + next.substr(next.size() - nextYearDigits);
    }
  }
  return s;
}

namespace {

// Reads one calendar date from tokens[i...] into d; advances i past what it consumed.
// Sets *nonStandard when a word is neither a qualifier nor a month of the calendar.
void ReadDate(const Tokens& tokens, size_t& i, DateRec& d, bool& nonStandard) {
  const size_t n = tokens.size();
  if (i >= n) return;
  d.calendar = kCalGregorian;
  d.text.clear();
  d.day = d.month = d.year = 0;
  d.hasDate = false;
  d.nextYearDigits = 0;

  static constexpr struct {
    const char* escape;
    std::uint8_t calendar;
  } kEscapes[] = {{"@#DG", kCalGregorian}, {"@#DJ", kCalJulian}, {"@#DH", kCalHebrew},
                  {"@#DF", kCalFrench},    {"@#DR", kCalRoman},  {"@#DU", kCalUnknown}};
  for (const auto& e : kEscapes) {
    if (tokens[i].s.front() != '@') break;  // tokens are never empty
    if (StartsWith(tokens[i].s, e.escape)) {
      d.calendar = e.calendar;
      ++i;
      break;
    }
  }

  auto value = [&tokens](size_t k) { return tokens[k].number; };
  if (n - i >= 3 && tokens[i].digits && tokens[i + 1].digits && tokens[i + 2].digits) {
    // Month, day and year: "12 31 1850".
    int m = value(i), dd = value(i + 1), y = value(i + 2);
    d.hasDate = m >= 1 && m <= 12 && dd >= 1 && dd <= 31;
    if (d.hasDate) {
      d.month = static_cast<std::uint16_t>(m);
      d.day = static_cast<std::uint16_t>(dd);
      d.year = static_cast<std::uint16_t>(y);
      d.nextYearDigits = tokens[i + 2].nextYearDigits;
      i += 3;
    }
    return;
  }
  if (n - i >= 2 && tokens[i].digits && tokens[i + 1].digits) {
    // Month and year: "12 1850".
    int m = value(i), y = value(i + 1);
    d.hasDate = m >= 1 && m <= 12;
    if (d.hasDate) {
      d.month = static_cast<std::uint16_t>(m);
      d.year = static_cast<std::uint16_t>(y);
      d.nextYearDigits = tokens[i + 1].nextYearDigits;
      i += 2;
    }
    return;
  }

  for (; i < n && QualifierOf(tokens[i]) == 0; ++i) {
    const Token& t = tokens[i];
    d.hasDate = true;
    // A number is judged by its characters: the tokens of the fixed forms carry no
    // all-digits flag beyond the first.
    if (t.number >= 0 && t.number < 3000) {
      auto v = static_cast<std::uint16_t>(t.number);
      if (v >= 32) {
        if (d.year != 0) return;
        d.year = v;
        d.nextYearDigits = t.nextYearDigits;
      } else if (d.day == 0) {
        d.day = v;
      } else if (d.month != 0) {
        if (d.year != 0) return;
        d.year = v;
      } else if (v < 13) {
        d.month = v;
      } else {
        if (d.year != 0) return;
        d.year = v;
      }
    } else {
      if (d.month != 0) return;
      int m = MonthOf(t, d.calendar);
      if (m == 0) {
        nonStandard = true;
        return;
      }
      d.month = static_cast<std::uint16_t>(m);
    }
  }
}

// The value of one to four digits, or -1.
int SmallNumber(std::string_view s) {
  if (s.empty() || s.size() > 4) return -1;
  int n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

// The forms nearly every date has, in capitals with single blanks: "[Q ]DAY MON YEAR",
// "[Q ]MON YEAR" and "[Q ]YEAR", Q one of ABT, BEF, AFT, EST and CAL, DAY 1 to 31, MON a
// month's three letters, YEAR 32 to 2999.  Read without tokens into the parts the general
// parser gives them; false (and nothing set) for every other text.
bool ReadCommonForm(std::string_view text, std::uint8_t& qualifier, DateRec& date) {
  std::string_view words[4];
  size_t count = 0;
  if (!SplitSingleBlanks(text, words, 4, count)) return false;
  size_t first = 0;
  std::uint8_t q = kQualExact;
  if (count >= 2 && words[0].size() == 3) {
    switch (Word4(words[0])) {
      case Word4("ABT"):
        q = kQualAbout;
        break;
      case Word4("BEF"):
        q = kQualBefore;
        break;
      case Word4("AFT"):
        q = kQualAfter;
        break;
      case Word4("EST"):
        q = kQualEstimated;
        break;
      case Word4("CAL"):
        q = kQualCalculated;
        break;
      default:
        break;
    }
    if (q != kQualExact) first = 1;
  }
  const size_t parts = count - first;
  if (parts < 1 || parts > 3) return false;
  const int year = SmallNumber(words[count - 1]);
  if (year < 32 || year > 2999) return false;
  int month = 0, day = 0;
  if (parts >= 2) {
    const std::string_view name = words[count - 2];
    if (name.size() != 3) return false;
    month = GregorianMonthOf(Word4(name));
    if (month == 0) return false;
  }
  if (parts == 3) {
    const std::string_view digits = words[first];
    day = digits.size() <= 2 ? SmallNumber(digits) : -1;
    if (day < 1 || day > 31) return false;
  }
  qualifier = q;
  date.calendar = kCalGregorian;
  date.day = static_cast<std::uint16_t>(day);
  date.month = static_cast<std::uint16_t>(month);
  date.year = static_cast<std::uint16_t>(year);
  date.hasDate = true;
  return true;
}

}  // namespace

WDate::WDate(std::string_view text, DateTextEncoding encoding) { SetText(text, encoding); }

void WDate::SetText(std::string_view t, DateTextEncoding encoding) {
  qualifier = secondQualifier = kQualExact;
  firstDate = DateRec{};
  secondDate = DateRec{};
  nonStandard = false;
  if (t.empty()) {
    invalid = true;
    text.clear();
    return;
  }
  invalid = false;
  if (t == "TODAY") {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    firstDate.day = static_cast<std::uint16_t>(tm.tm_mday);
    firstDate.month = static_cast<std::uint16_t>(tm.tm_mon + 1);
    firstDate.year = static_cast<std::uint16_t>(tm.tm_year + 1900);
    firstDate.hasDate = true;
    text = UpperCaseText(std::to_string(tm.tm_mday) + " " + kMonthNames[tm.tm_mon] + " " +
                         std::to_string(tm.tm_year + 1900));
    return;
  }
  // Upper-cased in place; only an ANSEL text with bytes that ANSEL gives another meaning (or a
  // NUL, which ends it) goes through the conversion.
  text.assign(t);
  bool plain = true;
  for (char& c : text) {
    c = UpperCaseChar(c);
    const auto b = static_cast<unsigned char>(c);
    plain = plain && b != 0 && b < 0xA2;
  }
  if (!plain) {
    if (encoding == DateTextEncoding::kAnsel)
      text = AnselToAnsi(text);
    else if (const size_t nul = text.find('\0'); nul != std::string::npos)
      text.resize(nul);  // a NUL ends the text in either encoding
  }

  if (ReadCommonForm(text, qualifier, firstDate)) return;

  // The tokens are views of `text`, which stays as it is from here on.
  Tokens tokens;
  if (!SplitFixedForm(text, tokens)) SplitGeneral(text, tokens);

  size_t i = 0;
  if (!tokens.empty()) {
    if (int q = QualifierOf(tokens[0])) {
      qualifier = static_cast<std::uint8_t>(q);
      i = 1;
    }
  }
  ReadDate(tokens, i, firstDate, nonStandard);
  if (i < tokens.size()) {
    if (int q = QualifierOf(tokens[i])) {
      secondQualifier = static_cast<std::uint8_t>(q);
      ++i;
    }
  }
  if (i < tokens.size()) ReadDate(tokens, i, secondDate, nonStandard);
  // A double-dated year outside a range has its second year where the second date's year of
  // "1750 1751" is, for ages and for readers of the parts.
  if (firstDate.nextYearDigits != 0 && !secondDate.hasDate && qualifier != kQualBetween &&
      qualifier != kQualFrom) {
    secondDate.year = static_cast<std::uint16_t>(firstDate.year + 1);
    secondDate.hasDate = true;
  }
}

std::string WDate::GetDisplayText() const {
  if (invalid || nonStandard) return text;
  static constexpr const char* kPrefixes[] = {"",     "Bef ", "Aft ", "Bet ", "From ", "",     "Abt ",
                                              "Est ", "Cir ", "Cal ", "",     "",      "Say ", ""};
  std::string s = qualifier < std::size(kPrefixes) ? kPrefixes[qualifier] : "";
  s += firstDate.DisplayText();
  if (qualifier == kQualBetween || qualifier == kQualFrom || qualifier == kQualOr) {
    if (secondDate.hasDate) {
      s += qualifier == kQualBetween ? " and " : qualifier == kQualFrom ? " to " : " or ";
      s += secondDate.DisplayText();
    }
    return s;
  }
  if (firstDate.era == 1) s += " BC";
  // The second year of a double-dated year is already shown as written.
  const bool shown = firstDate.nextYearDigits != 0 && secondDate.year == firstDate.year + 1;
  if (secondDate.year != 0 && !shown) s += "/" + std::to_string(secondDate.year);
  if (secondDate.era == 1) s += " BC";
  return s;
}

namespace {

// Order of two qualifiers at the same day, month and year: this (row) against other
// (column).  Only exact, before, after, about, estimated, circa and calculated take
// part; every other code compares equal to everything.
int CompareQualifiers(int self, int other) {
  auto index = [](int q) {
    switch (q) {
      case kQualExact:
        return 0;
      case kQualBefore:
        return 1;
      case kQualAfter:
        return 2;
      case kQualAbout:
        return 3;
      case kQualEstimated:
        return 4;
      case kQualCirca:
        return 5;
      case kQualCalculated:
        return 6;
    }
    return -1;
  };
  static constexpr int kTable[7][7] = {
      //  exact  bef  aft  abt  est  cir  cal
      {0, 1, -1, 1, 1, 1, 1},       // exact
      {-1, 0, -1, -1, -1, -1, -1},  // before
      {1, 1, 0, 1, 1, 1, 1},        // after
      {-1, 1, -1, 0, 0, 0, 0},      // about
      {-1, 1, -1, 0, 0, 1, 1},      // estimated
      {-1, 1, -1, 0, -1, 0, 1},     // circa
      {-1, 1, -1, 0, -1, -1, 0},    // calculated
  };
  int a = index(self), b = index(other);
  return (a < 0 || b < 0) ? 0 : kTable[a][b];
}

int Sign(int a, int b) { return a == b ? 0 : (a > b ? 1 : -1); }

}  // namespace

int WDate::Compare(const WDate* other) const {
  if (invalid || other == nullptr) return -2;
  if (nonStandard) {
    if (!other->nonStandard) return -1;
    return CompareBytes(GetDisplayText(), other->GetDisplayText());
  }
  if (other->nonStandard) return 1;
  if (int c = Sign(Year(), other->Year())) return c;
  if (int c = Sign(Month(), other->Month())) return c;
  if (int c = Sign(Day(), other->Day())) return c;
  return CompareQualifiers(Qualifier(), other->Qualifier());
}

void WDate::SetDateParts(DateRec& date, int year, int month, int day) {
  date.year = static_cast<std::uint16_t>(year >= 0 && year <= 65535 ? year : 0);
  date.month = static_cast<std::uint16_t>(month >= 0 && month <= 13 ? month : 0);
  date.day = static_cast<std::uint16_t>(day >= 0 && day <= 31 ? day : 0);
  date.hasDate = date.year != 0 || date.month != 0 || date.day != 0;
}

int WDate::DayNumber(int precision) const {
  if (invalid) return 0;
  static constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const int y = Year(), m = Month(), b = y - 1;
  int n = 365 * b + b / 4 - b / 100 + b / 400;
  if (m >= 3 && IsLeapYear(y)) ++n;
  if (precision >= 1 && m >= 1 && m <= 12) n += kDaysBefore[m - 1];
  if (precision >= 2) n += Day();
  return n;
}
