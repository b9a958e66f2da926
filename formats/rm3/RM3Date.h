#pragma once

#include <string_view>

#include "base/Date.h"

// A date as RootsMagic 3 stores it, read from its text (trimmed first):
// - "T" and a text: a date that is only that text;
// - 22 characters starting with "D": "D", the era of the first date ("0" BC, anything else
//   AD), its year, month and day (4, 2 and 2 digits), a qualifier digit (1 before, 2 none,
//   3 circa, 4 estimated, 5 between, 6 or, 7 from, 8 after), one character not read, the
//   second date's year, month and day, and two characters not read;
// - 9 characters: the era ("0" BC; "9" for the date 1 January 9999), then year, month and
//   day;
// - anything else, and the empty text: an invalid date.
// Date parts that are not digits read as 0.  A date that is not invalid keeps the trimmed
// text as its stored text.
class WRM3Date : public WDate {
 public:
  explicit WRM3Date(std::string_view text);
};
