#pragma once

#include <cstdint>
#include <string>

#include "base/Date.h"

// A date as Legacy stores it.  Event dates are texts: one character is a keyword ("?" UNKNOWN,
// "a" DEAD ...), ":" starts a free text, and otherwise the first character is the qualifier and
// an 18-character text holds both dates as digits (era, day, month and year of the first date,
// day, month and year of the second).  Record dates ("added", "Updated") are numbers whose eight
// digits are year, month and day.
class WLEGDate : public WDate {
 public:
  // From an event's date text.
  explicit WLEGDate(const std::string& coded);
  // From a record date number.
  explicit WLEGDate(int32_t yyyymmdd);

 private:
  // A run of digits as a number; 0 when any character of it is not a digit.
  static int Digits(const std::string& text, size_t from, size_t count);
};
