#pragma once

// The time between two dates as an age: years, months and days.  A difference is
// exact when both dates are complete (day, month, year) and unqualified; otherwise
// it is approximate and its age text starts with "~".

#include <string>

class WDate;

class WDateDiff {
 public:
  WDateDiff() = default;

  // Computes the difference of a and b (in either order).  False, with 0 days, when
  // either date is missing, invalid or non-standard.
  bool Compute(const WDate* a, const WDate* b);

  // Whole years, then the months and days of the remainder (365.25-day years,
  // 30.4275-day months).
  int Years() const;
  int Months() const;
  int Days() const;
  // "49", or "~50" for an approximate difference.
  std::string GetAgeText() const;

  // The difference in days: for an exact difference the days strictly between the
  // two dates, for an approximate one the days counting both ends.
  int DayCount() const { return days; }
  bool IsExact() const { return exact; }

 private:
  int days = 0;
  bool exact = false;
};
