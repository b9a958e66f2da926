#include "base/DateDiff.h"

#include <cmath>
#include <cstdlib>

#include "base/Date.h"

namespace {
constexpr double kDaysPerYear = 365.25;
constexpr double kDaysPerMonth = 30.4275;
}  // namespace

bool WDateDiff::Compute(const WDate* a, const WDate* b) {
  days = 0;
  exact = false;
  if (!a || !b || !a->IsValid() || !b->IsValid() || !a->IsStandard() || !b->IsStandard()) return false;
  if (a->Day() != 0 && b->Day() != 0 && a->Qualifier() == 0 && b->Qualifier() == 0 && !a->HasSecondDate() &&
      !b->HasSecondDate()) {
    exact = true;
    // Days strictly between the two: none for two dates of the same day (not -1).
    days = std::abs(a->DayNumber(2) - b->DayNumber(2)) - 1;
    if (days < 0) days = 0;
    return true;
  }
  int precision = (a->Month() != 0 && b->Month() != 0) ? 1 : 0;
  days = std::abs(a->DayNumber(precision) - b->DayNumber(precision)) + 1;
  return true;
}

int WDateDiff::Years() const { return static_cast<int>(std::trunc(std::abs(days) / kDaysPerYear)); }

int WDateDiff::Months() const {
  double r = std::abs(days) / kDaysPerYear;
  return static_cast<int>(std::trunc((r - std::trunc(r)) * kDaysPerYear / kDaysPerMonth));
}

int WDateDiff::Days() const {
  double r = std::abs(days) / kDaysPerYear;
  double m = (r - std::trunc(r)) * kDaysPerYear / kDaysPerMonth;
  return static_cast<int>(std::trunc((m - std::trunc(m)) * kDaysPerMonth));
}

std::string WDateDiff::GetAgeText() const { return (exact ? "" : "~") + std::to_string(Years()); }
