#include "export/GedcomDate.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "base/Date.h"
#include "base/TextUtils.h"

namespace {

using Words = std::vector<std::string_view>;

constexpr std::string_view kGregorianMonths[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                   "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr std::string_view kHebrewMonths[13] = {"TSH", "CSH", "KSL", "TVT", "SHV", "ADR", "ADS",
                                                "NSN", "IYR", "SVN", "TMZ", "AAV", "ELL"};
constexpr std::string_view kFrenchMonths[13] = {"VEND", "BRUM", "FRIM", "NIVO", "PLUV", "VENT", "GERM",
                                                "FLOR", "PRAI", "MESS", "THER", "FRUC", "COMP"};

// The words of a text, split at runs of blanks, into `words` (cleared first).
void SplitWordsInto(std::string_view text, Words& words) {
  words.clear();
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    size_t start = i;
    while (i < text.size() && text[i] != ' ') ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
}

Words SplitWords(std::string_view text) {
  Words words;
  SplitWordsInto(text, words);
  return words;
}

bool IsDigits(std::string_view s, size_t min_length, size_t max_length) {
  if (s.size() < min_length || s.size() > max_length) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

int NumberOf(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

// A word of at most four bytes as one number, to compare month codes in one step.
constexpr uint32_t Packed(std::string_view word) {
  uint32_t w = 0;
  for (size_t k = 0; k < word.size() && k < 4; ++k) w = (w << 8) | static_cast<unsigned char>(word[k]);
  return w;
}

template <size_t N>
struct PackedNames {
  constexpr explicit PackedNames(const std::string_view (&names)[N]) {
    for (size_t m = 0; m < N; ++m) packed[m] = Packed(names[m]);
  }
  uint32_t packed[N] = {};
};

// 1-based month of a GEDCOM month code in a calendar; 0 when it is none.
int MonthCode(std::string_view word, int calendar) {
  static constexpr PackedNames<12> kGregorian(kGregorianMonths);
  static constexpr PackedNames<13> kHebrew(kHebrewMonths);
  static constexpr PackedNames<13> kFrench(kFrenchMonths);
  const uint32_t* codes = kGregorian.packed;
  int count = 12;
  size_t length = 3;
  if (calendar == kCalHebrew) {
    codes = kHebrew.packed;
    count = 13;
  } else if (calendar == kCalFrench) {
    codes = kFrench.packed;
    count = 13;
    length = 4;
  }
  if (word.size() != length) return 0;
  const uint32_t packed = Packed(word);
  for (int m = 0; m < count; ++m)
    if (packed == codes[m]) return m + 1;
  return 0;
}

bool IsYear(std::string_view word, int calendar) {
  if (IsDigits(word, 1, 4)) return NumberOf(word) > 0;
  // A double-dated year exists only in the Gregorian calendar: 1750/51.
  if (calendar != kCalGregorian || word.size() < 4 || word[word.size() - 3] != '/') return false;
  std::string_view year = word.substr(0, word.size() - 3);
  return IsDigits(year, 1, 4) && NumberOf(year) > 0 && IsDigits(word.substr(word.size() - 2), 2, 2);
}

// One DATE of the grammar from words[i]: an optional calendar escape, then YEAR, MONTH YEAR or
// DAY MONTH YEAR, then B.C. where the calendar has it.  Advances i past it.
bool ParseOneDate(const Words& w, size_t& i) {
  int calendar = kCalGregorian;
  if (i < w.size() && w[i].starts_with("@#D")) {
    if (w[i] == "@#DGREGORIAN@") {
      calendar = kCalGregorian;
    } else if (w[i] == "@#DJULIAN@") {
      calendar = kCalJulian;
    } else if (w[i] == "@#DHEBREW@") {
      calendar = kCalHebrew;
    } else if (w[i] == "@#DFRENCH" && i + 1 < w.size() && w[i + 1] == "R@") {
      calendar = kCalFrench;
      ++i;
    } else {
      return false;  // the Roman and unknown calendars have no date grammar
    }
    ++i;
  }
  auto word = [&](size_t k) { return i + k < w.size() ? w[i + k] : std::string_view(); };
  if (IsDigits(word(0), 1, 2) && NumberOf(word(0)) >= 1 && NumberOf(word(0)) <= 31 &&
      MonthCode(word(1), calendar) && IsYear(word(2), calendar)) {
    i += 3;
  } else if (MonthCode(word(0), calendar) && IsYear(word(1), calendar)) {
    i += 2;
  } else if (IsYear(word(0), calendar)) {
    i += 1;
  } else {
    return false;
  }
  if ((calendar == kCalGregorian || calendar == kCalJulian) && word(0) == "B.C.") ++i;
  return true;
}

// The forms nearly every date has, "[KW ]DAY MON YEAR", "[KW ]MON YEAR" and "[KW ]YEAR" with
// single blanks, KW one of TO, BEF, AFT, ABT, CAL and EST: dates of the grammar, found so
// without splitting the text into a word list.  False says nothing: the grammar decides.
bool IsCommonGedcomDate(std::string_view text) {
  std::string_view words[4];
  size_t count = 0;
  if (!SplitSingleBlanks(text, words, 4, count)) return false;
  size_t first = 0;
  if (count >= 2) {
    const std::string_view w = words[0];
    if (w == "TO" || w == "BEF" || w == "AFT" || w == "ABT" || w == "CAL" || w == "EST") first = 1;
  }
  const size_t parts = count - first;
  if (parts < 1 || parts > 3) return false;
  const std::string_view year = words[count - 1];
  if (!IsDigits(year, 1, 4) || NumberOf(year) == 0) return false;
  if (parts >= 2 && MonthCode(words[count - 2], kCalGregorian) == 0) return false;
  if (parts == 3) {
    const std::string_view day = words[first];
    if (!IsDigits(day, 1, 2) || NumberOf(day) < 1 || NumberOf(day) > 31) return false;
  }
  return true;
}

bool IsPhrase(std::string_view text) { return text.size() >= 2 && text.front() == '(' && text.back() == ')'; }

// The text of the words from `from` on, joined by single blanks.
std::string JoinWords(const Words& w, size_t from = 0) {
  std::string s;
  for (size_t k = from; k < w.size(); ++k) {
    if (!s.empty()) s += ' ';
    s += w[k];
  }
  return s;
}

std::string Number(int n) { return std::to_string(n); }

// A double-dated year written in full ("1750/1751", as many programs write it) in the form
// GEDCOM knows ("1750/51"); any other word as it is.
std::string ShortDualYear(std::string_view word) {
  const size_t slash = word.find('/');
  if (slash == std::string_view::npos) return std::string(word);
  std::string_view first = word.substr(0, slash), second = word.substr(slash + 1);
  if (!IsDigits(first, 1, 4) || !IsDigits(second, 3, 4) || NumberOf(second) != NumberOf(first) + 1)
    return std::string(word);
  const int yy = NumberOf(second) % 100;
  return std::string(first) + (yy < 10 ? "/0" : "/") + Number(yy);
}

// One calendar date of the model in GEDCOM form; none when GEDCOM cannot say it.  `second_year`
// is the second year of a double-dated year (0: none).
std::optional<std::string> CalendarDate(const DateRec& d, int second_year) {
  std::string s;
  int months = 12;
  const std::string_view* names = kGregorianMonths;
  switch (d.calendar) {
    case kCalGregorian:
      break;
    case kCalJulian:
      s = "@#DJULIAN@ ";
      break;
    case kCalHebrew:
      s = "@#DHEBREW@ ";
      names = kHebrewMonths;
      months = 13;
      break;
    case kCalFrench:
      s = "@#DFRENCH R@ ";
      names = kFrenchMonths;
      months = 13;
      break;
    default:
      return std::nullopt;
  }
  if (d.year == 0 || d.year > 9999 || d.month > months || (d.day != 0 && d.month == 0)) return std::nullopt;
  if (d.era == 1 && d.calendar != kCalGregorian && d.calendar != kCalJulian) return std::nullopt;
  if (d.day != 0) s += Number(d.day) + " ";
  if (d.month != 0) s += std::string(names[d.month - 1]) + " ";
  s += Number(d.year);
  if (second_year != 0) {
    // The year that follows, by its last two digits, whether the model keeps it whole (1751)
    // or as a GEDCOM file gave it (51).
    const int next = d.year + 1;
    const bool follows = second_year == next || (second_year < 100 && second_year == next % 100);
    if (d.calendar != kCalGregorian || !follows) return std::nullopt;
    const int yy = next % 100;
    s += (yy < 10 ? "/0" : "/") + Number(yy);
  }
  if (d.era == 1) s += " B.C.";
  return s;
}

// The date from its parts; none when GEDCOM has no form for it.
std::optional<std::string> DateFromParts(const WDate& date) {
  const DateRec& first = date.FirstDate();
  const DateRec& second = date.SecondDate();
  switch (date.Qualifier()) {
    case kQualBetween: {
      auto a = CalendarDate(first, 0), b = second.hasDate ? CalendarDate(second, 0) : std::nullopt;
      if (!a || !b) return std::nullopt;
      return "BET " + *a + " AND " + *b;
    }
    case kQualFrom: {
      auto a = CalendarDate(first, 0);
      if (!a) return std::nullopt;
      if (!second.hasDate) return "FROM " + *a;
      auto b = CalendarDate(second, 0);
      if (!b) return std::nullopt;
      return "FROM " + *a + " TO " + *b;
    }
    case kQualOr:
      return std::nullopt;
    default:
      break;
  }
  const char* prefix = "";
  switch (date.Qualifier()) {
    case kQualBefore:
      prefix = "BEF ";
      break;
    case kQualAfter:
      prefix = "AFT ";
      break;
    case kQualTo:
      prefix = "TO ";
      break;
    // GEDCOM has one word for a date near the one given.
    case kQualAbout:
    case kQualCirca:
    case kQualSay:
      prefix = "ABT ";
      break;
    case kQualEstimated:
      prefix = "EST ";
      break;
    case kQualCalculated:
      prefix = "CAL ";
      break;
    default:
      // Exact; "interpreted" needs the phrase it was interpreted from, which the model does
      // not keep, so the date stands alone.
      break;
  }
  auto a = CalendarDate(first, second.year);
  if (!a) return std::nullopt;
  return prefix + *a;
}

}  // namespace

bool WGedcomDate::IsGedcomDate(std::string_view text) {
  if (IsPhrase(text) || IsCommonGedcomDate(text)) return true;
  // Dates are checked by the million: the word list keeps its room from one call to the next.
  static thread_local Words w;
  SplitWordsInto(text, w);
  if (w.empty()) return false;
  size_t i = 1;
  const std::string_view keyword = w[0];
  if (keyword == "INT") {
    if (!ParseOneDate(w, i)) return false;
    return i < w.size() && IsPhrase(JoinWords(w, i));
  }
  if (keyword == "FROM") {
    if (!ParseOneDate(w, i)) return false;
    if (i < w.size() && w[i] == "TO") {
      ++i;
      if (!ParseOneDate(w, i)) return false;
    }
  } else if (keyword == "BET") {
    if (!ParseOneDate(w, i) || i >= w.size() || w[i] != "AND") return false;
    ++i;
    if (!ParseOneDate(w, i)) return false;
  } else if (keyword == "TO" || keyword == "BEF" || keyword == "AFT" || keyword == "ABT" ||
             keyword == "CAL" || keyword == "EST") {
    if (!ParseOneDate(w, i)) return false;
  } else {
    i = 0;
    if (!ParseOneDate(w, i)) return false;
  }
  return i == w.size();
}

std::string WGedcomDate::Phrase(std::string_view text) {
  std::string inner(text);
  if (IsPhrase(inner)) inner = inner.substr(1, inner.size() - 2);
  for (char& c : inner) {
    if (c == '(') c = '[';
    if (c == ')') c = ']';
  }
  return "(" + inner + ")";
}

std::string WGedcomDate::FromDate(const WDate* date) {
  if (!date) return std::string();
  // A reader may leave a date without parts but with a text to show.
  if (!date->IsValid()) {
    const std::string display = date->GetDisplayText();
    const Words shown = SplitWords(display);
    return shown.empty() ? std::string() : Phrase(JoinWords(shown));
  }
  const std::string& text = date->GetText();
  if (IsPhrase(text)) return text;
  // Most stored texts are GEDCOM dates already, with single blanks and no year written twice.
  const bool plain = text.find('/') == std::string::npos && text.find("  ") == std::string::npos &&
                     !text.empty() && text.front() != ' ' && text.back() != ' ';
  if (plain && IsGedcomDate(text)) return text;
  {
    // Other texts may be GEDCOM dates written another way: a double-dated year in full, blanks
    // doubled, a year before Christ as "BC" (or "BCE") where GEDCOM writes "B.C.".
    std::string gedcom;
    for (std::string_view word : SplitWords(text)) {
      const bool before_christ = word == "BC" || word == "BCE" || word == "B.C";
      gedcom += (gedcom.empty() ? "" : " ") + (before_christ ? std::string("B.C.") : ShortDualYear(word));
    }
    if (!gedcom.empty() && gedcom != text && IsGedcomDate(gedcom)) return gedcom;
  }
  if (date->IsStandard())
    if (auto built = DateFromParts(*date)) return *built;
  // The stored text when it reads as the date shows (a GEDCOM file's text); otherwise, as for a
  // reader that keeps its own coded form there, the display text.
  const std::string display = date->GetDisplayText();
  const bool text_reads_so =
      !text.empty() && (!date->IsStandard() || WDate(text).GetDisplayText() == display);
  const std::string shown = text_reads_so ? text : display;
  const Words words = SplitWords(shown);
  return words.empty() ? std::string() : Phrase(JoinWords(words));
}
