#include <gtest/gtest.h>

#include "base/Date.h"
#include "base/DateDiff.h"

namespace {

WDateDiff Diff(const char* a, const char* b) {
  WDate da(a), db(b);
  WDateDiff d;
  EXPECT_TRUE(d.Compute(&da, &db)) << a << " / " << b;
  return d;
}

}  // namespace

TEST(DateDiff, ExactDatesCountTheDaysStrictlyBetween) {
  WDateDiff d = Diff("1 JAN 1900", "1 JAN 1950");
  EXPECT_EQ(d.DayCount(), 18261);
  EXPECT_TRUE(d.IsExact());
  EXPECT_EQ(d.Years(), 49);  // fifty only from 3 Jan 1950 on
  EXPECT_EQ(d.Months(), 11);
  EXPECT_EQ(d.Days(), 29);
  EXPECT_EQ(d.GetAgeText(), "49");
  EXPECT_EQ(Diff("1 JAN 1900", "3 JAN 1950").Years(), 50);
  EXPECT_EQ(Diff("1 JAN 1900", "2 JAN 1900").DayCount(), 0);
  // The order does not matter.
  EXPECT_EQ(Diff("1 JAN 1950", "1 JAN 1900").DayCount(), 18261);
}

TEST(DateDiff, SameDayIsZeroDaysNotMinusOne) {
  WDateDiff d = Diff("5 MAY 1900", "5 MAY 1900");
  EXPECT_EQ(d.DayCount(), 0);
  EXPECT_EQ(d.Years(), 0);
  EXPECT_EQ(d.Months(), 0);
  EXPECT_EQ(d.Days(), 0);
  EXPECT_EQ(d.GetAgeText(), "0");
}

TEST(DateDiff, ApproximateDatesCountBothEnds) {
  WDateDiff years = Diff("1900", "1950");
  EXPECT_EQ(years.DayCount(), 18263);
  EXPECT_FALSE(years.IsExact());
  EXPECT_EQ(years.Years(), 50);
  EXPECT_EQ(years.GetAgeText(), "~50");

  // A qualifier makes the difference approximate at month precision when both have months.
  WDateDiff about = Diff("ABT 1 JAN 1900", "15 MAR 1950");
  EXPECT_FALSE(about.IsExact());
  EXPECT_EQ(about.DayCount(), 18262 + 59 + 1);
  EXPECT_EQ(Diff("JAN 1900", "15 MAR 1950").DayCount(), 18262 + 59 + 1);
  // One side without a month: year precision (the leap day of 1900's successor years aside).
  EXPECT_EQ(Diff("1900", "15 MAR 1950").DayCount(), 18262 + 1);
  // A second date (double dating, ranges) also makes it approximate.
  WDateDiff dbl = Diff("10 MAR 1750/1751", "10 MAR 1800");
  EXPECT_FALSE(dbl.IsExact());
  // So does a double-dated year with the next year's last digits; its first year counts.
  WDateDiff short_dbl = Diff("24 MAR 1720/21", "24 MAR 1770");
  EXPECT_FALSE(short_dbl.IsExact());
  EXPECT_EQ(short_dbl.DayCount(), Diff("MAR 1720", "MAR 1770").DayCount());
  EXPECT_FALSE(Diff("BET 1700/01 AND 1710", "1750").IsExact());
  EXPECT_EQ(Diff("BET 1850 AND 1860", "1900").GetAgeText(), "~50");
}

TEST(DateDiff, MonthsAndDaysOfTheRemainder) {
  WDateDiff d = Diff("1 JAN 1900", "17 APR 1900");  // 105 days strictly between
  EXPECT_EQ(d.DayCount(), 105);
  EXPECT_EQ(d.Years(), 0);
  EXPECT_EQ(d.Months(), 3);
  EXPECT_EQ(d.Days(), 13);
}

TEST(DateDiff, FailsOnMissingInvalidOrNonStandardDates) {
  WDate good("1 JAN 1900"), unknown("UNKNOWN"), empty("");
  WDateDiff d = Diff("1900", "1950");
  EXPECT_FALSE(d.Compute(&good, &unknown));
  EXPECT_EQ(d.DayCount(), 0);
  EXPECT_FALSE(d.IsExact());
  EXPECT_FALSE(d.Compute(&unknown, &good));
  EXPECT_FALSE(d.Compute(&good, &empty));
  EXPECT_FALSE(d.Compute(nullptr, &good));
  EXPECT_FALSE(d.Compute(&good, nullptr));
}
