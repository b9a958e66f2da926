#pragma once

// Genealogical dates: the text as a file gives it and what could be understood of it,
// up to two calendar dates with qualifiers ("ABT 1850", "BET 1850 AND 1860",
// "10 MAR 1750/51").  WDate parses free date texts; readers whose files store dates in
// coded form derive from it and fill the protected fields directly instead.  Display,
// comparison and day numbers are shared by both kinds.

#include <cstdint>
#include <string>
#include <string_view>

// Qualifier codes: the word before the first date, or between the two dates.
enum DateQualifierCode : std::uint8_t {
  kQualExact = 0,
  kQualBefore = 1,
  kQualAfter = 2,
  kQualBetween = 3,
  kQualFrom = 4,
  kQualTo = 5,
  kQualAbout = 6,
  kQualEstimated = 7,
  kQualCirca = 8,
  kQualCalculated = 9,
  kQualInterpreted = 10,
  kQualAnd = 11,
  kQualSay = 12,  // set only by readers
  kQualOr = 13,   // set only by readers: "1850 or 1851"
};

enum DateCalendarCode : std::uint8_t {
  kCalGregorian = 0,
  kCalJulian = 1,
  kCalHebrew = 2,
  kCalFrench = 3,
  kCalRoman = 4,
  kCalUnknown = 5,
};

// One calendar date.  0 in day, month or year means that part is missing.
struct DateRec {
  std::uint8_t era = 0;       // 1 = BC; the text parser never sets it
  std::uint8_t calendar = 0;  // DateCalendarCode
  std::uint16_t day = 0;      // 1..31
  std::uint16_t month = 0;    // 1..12 (13 in the Hebrew and French Republican calendars)
  std::uint16_t year = 0;
  std::string text;      // free text a reader may attach; the parser clears it
  bool hasDate = false;  // some part of the date was read
  // A double-dated year as a date text writes it, "1750/51": the year is the first one, and
  // the next year follows with this many of its last digits (1 to 4); 0 = a single year.
  std::uint8_t nextYearDigits = 0;

  // "1 Jan 1850", "Jan 1850", "1850", "5 Jan " (no year), "Mar 1720/21"; calendar and era
  // not shown.
  std::string DisplayText() const;
};

// How the text handed to the date parser is encoded: ANSEL (converted to Windows-1252 after
// upper-casing) or Windows-1252 already.
enum class DateTextEncoding : std::uint8_t { kAnsel, kAnsi };

class WDate {
 public:
  // A date parsed from text (stored as Windows-1252 or ANSEL); an empty text gives an
  // invalid date.  "TODAY" (exactly so) is the current date.
  explicit WDate(std::string_view text = {}, DateTextEncoding encoding = DateTextEncoding::kAnsel);
  virtual ~WDate() = default;
  WDate(const WDate&) = default;
  WDate& operator=(const WDate&) = default;

  // Parses the text anew.  Never fails: what cannot be understood makes the date
  // non-standard (shown as stored) or leaves parts of it empty.  A year followed by "/" and
  // the next year or its last digits ("1750/51", "1708/9", "1103/1104") is one double-dated
  // year: the date is the first year, shown as written.
  void SetText(std::string_view text, DateTextEncoding encoding = DateTextEncoding::kAnsel);

  // The stored text: upper-cased and, for an ANSEL text, converted to Windows-1252.
  const std::string& GetText() const { return text; }
  // "Abt 1850", "Bet 1850 and 1860", "10 Mar 1750/1751", "Abt Feb 1701/02"; the stored text when the
  // date is invalid or non-standard.
  std::string GetDisplayText() const;

  // Of the first date; 0 when invalid.
  int Year() const { return invalid ? 0 : firstDate.year; }
  int Month() const { return invalid ? 0 : firstDate.month; }
  int Day() const { return invalid ? 0 : firstDate.day; }
  int Qualifier() const { return invalid ? 0 : qualifier; }

  bool IsValid() const { return !invalid; }
  bool IsStandard() const { return !nonStandard; }
  // True for ranges, either-or dates and double-dated years ("1750/51" included).
  bool HasSecondDate() const { return secondDate.year != 0; }

  // Order for sorting: -1, 0 or 1; -2 when this date is invalid or other is missing.
  // Standard dates sort after non-standard ones; at equal year, month and day the
  // qualifiers decide (before < about < exact < after ...).
  int Compare(const WDate* other) const;
  int Compare(const WDate& other) const { return Compare(&other); }

  // Days from a fixed origin to the first date's year (precision 0), month (1) or day
  // (2); 0 when invalid.  Differences of day numbers give ages.
  int DayNumber(int precision) const;

  // Read access to the parts, for readers and tools.
  int SecondQualifier() const { return secondQualifier; }
  const DateRec& FirstDate() const { return firstDate; }
  const DateRec& SecondDate() const { return secondDate; }

 protected:
  // Fills one calendar date from the parts a reader decoded from its file's raw bits or digits.
  // A month above 13 or a day above 31 from a damaged file becomes 0 (missing), as does any
  // negative part or a year beyond 65535, before any table sees it; hasDate tells whether
  // any part is left.
  static void SetDateParts(DateRec& date, int year, int month, int day);

  std::uint8_t qualifier = kQualExact;        // code of the first qualifier word
  std::uint8_t secondQualifier = kQualExact;  // word between the dates ("AND", "TO"); not displayed
  DateRec firstDate;
  DateRec secondDate;        // end of a range, other side of an "or", or the second year of a double date
  std::string text;          // the stored text
  bool invalid = true;       // no date text: every accessor answers 0
  bool nonStandard = false;  // a word was neither a qualifier nor a month: shown by its text alone
};
