#pragma once

#include <string>
#include <string_view>

class WDate;

// A model date as a GEDCOM 5.5.1 date value.
//
// A date whose stored text already is a GEDCOM date value (what a GEDCOM file gave) is written
// as that text, so that a file read back shows it exactly as before.  Any other date is built
// from its parts: the qualifier as its GEDCOM keyword (ABT, CAL, EST, BEF, AFT, BET ... AND,
// FROM ... TO), the calendar escape for the Julian, Hebrew and French Republican calendars, a
// double-dated year as "1750/51", a year before Christ with "B.C.".  What GEDCOM cannot say
// (no year, "or", a lone "between", the Roman calendar, a text that is no date) becomes a date
// phrase: the stored text, or the display text when there is none, in parentheses.
class WGedcomDate {
 public:
  // The DATE value; empty when the date is missing or invalid.
  static std::string FromDate(const WDate* date);

  // True when the (upper-case) text is a date value of the GEDCOM 5.5.1 grammar.
  static bool IsGedcomDate(std::string_view text);

  // A text as a date phrase: in parentheses, with parentheses inside it made square.
  static std::string Phrase(std::string_view text);
};
