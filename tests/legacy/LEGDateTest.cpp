// Legacy's coded dates: keywords, the 18-character form, free texts and record dates.

#include <gtest/gtest.h>

#include "LegacyFixture.h"
#include "formats/legacy/LEGDate.h"

namespace {

std::string Shown(const std::string& coded) { return WLEGDate(coded).GetDisplayText(); }

TEST(LEGDate, KeywordsAndUnknownSingleCharacters) {
  EXPECT_EQ(Shown("?"), "UNKNOWN");
  EXPECT_EQ(Shown("a"), "DEAD");
  EXPECT_EQ(Shown("n"), "DNS/CAN");
  EXPECT_EQ(Shown("r"), "PRVIATE");
  EXPECT_EQ(Shown("v"), "NEVER MARRIED");
  EXPECT_EQ(Shown("s"), "");
  EXPECT_EQ(Shown("z"), "");
  WLEGDate keyword("j");
  EXPECT_FALSE(keyword.IsValid());
  EXPECT_FALSE(keyword.IsStandard());
  EXPECT_EQ(keyword.GetText(), "COMPLETED");
  EXPECT_FALSE(WLEGDate("").IsValid());
  EXPECT_EQ(Shown(""), "");
}

TEST(LEGDate, CodedDatesWithEveryQualifier) {
  EXPECT_EQ(Shown(LegacyDate('0', 12, 4, 1795)), "12 Apr 1795");
  EXPECT_EQ(Shown(LegacyDate('1', 0, 0, 1798)), "Abt 1798");
  EXPECT_EQ(Shown(LegacyDate('2', 0, 5, 1823)), "Cir May 1823");
  EXPECT_EQ(Shown(LegacyDate('3', 0, 0, 1825)), "Bef 1825");
  EXPECT_EQ(Shown(LegacyDate('4', 10, 10, 1827)), "Aft 10 Oct 1827");
  EXPECT_EQ(Shown(LegacyDate('5', 1, 1, 1850, 31, 12, 1860)), "Bet 1 Jan 1850 and 31 Dec 1860");
  EXPECT_EQ(Shown(LegacyDate('F', 0, 0, 1847, 0, 0, 1848)), "From 1847 to 1848");
  EXPECT_EQ(Shown(LegacyDate('F', 0, 0, 1847)), "From 1847");  // no second date, no " to "
  EXPECT_EQ(Shown(LegacyDate('g', 0, 0, 1850)), "Est 1850");
  EXPECT_EQ(Shown(LegacyDate('h', 0, 3, 1852)), "Cal Mar 1852");
  EXPECT_EQ(Shown(LegacyDate('X', 3, 3, 1882)), "3 Mar 1882");  // any other qualifier: exact
  EXPECT_EQ(Shown(LegacyDate('0', 13, 7, 100, 0, 0, 0, '1')), "13 Jul 100 BC");
  WLEGDate date(LegacyDate('5', 1, 1, 1850, 31, 12, 1860));
  EXPECT_TRUE(date.IsValid());
  EXPECT_TRUE(date.IsStandard());
  EXPECT_EQ(date.Year(), 1850);
  EXPECT_EQ(date.SecondDate().year, 1860);
  EXPECT_EQ(date.GetText(), "Bet 1 Jan 1850 and 31 Dec 1860");
}

TEST(LEGDate, OtherLengthsAreNotDecoded) {
  WLEGDate seventeen(LegacyDate('0', 1, 1, 1850).substr(0, 17));
  EXPECT_FALSE(seventeen.IsValid());
  EXPECT_TRUE(seventeen.IsStandard());
  EXPECT_EQ(seventeen.GetDisplayText(), "");
  EXPECT_EQ(Shown(LegacyDate('0', 1, 1, 1850) + "0"), "");
}

// A damaged date: day beyond 31, month beyond 12, and letters read as missing parts.
TEST(LEGDate, DamagedDigitsReadAsZero) {
  EXPECT_EQ(Shown(LegacyDate('0', 45, 14, 1850)), "1850");
  EXPECT_EQ(Shown(LegacyDate('0', 31, 13, 1850)), "31 1850");
  EXPECT_EQ(Shown("0012AB185000000000"), "12 1850");
  EXPECT_EQ(Shown("000102185X00000000"), "1 Feb ");
  EXPECT_EQ(Shown("00-1-21850000000000"), "");
}

TEST(LEGDate, FreeTexts) {
  WLEGDate text(":in his old age");
  EXPECT_FALSE(text.IsValid());
  EXPECT_EQ(text.GetDisplayText(), "in his old age");
  // A longer text with a backslash at character 19 keeps what follows the backslash.
  EXPECT_EQ(Shown(":CODED-PART-XXXXXX\\born at home"), "born at home");
  EXPECT_EQ(Shown(":CODED-PART-XXXXX\\born at home"), "CODED-PART-XXXXX\\born at home");
  EXPECT_EQ(Shown(":CODED-PART-XXXXXX\\"), "CODED-PART-XXXXXX\\");
  EXPECT_EQ(Shown(":"), "");
}

TEST(LEGDate, RecordDates) {
  WLEGDate date(20091224);
  EXPECT_TRUE(date.IsValid());
  EXPECT_EQ(date.GetDisplayText(), "24 Dec 2009");
  EXPECT_EQ(date.GetText(), "24 Dec 2009");
  EXPECT_EQ(WLEGDate(20081345).GetDisplayText(), "2008");
  EXPECT_FALSE(WLEGDate(2009122).IsValid());
  EXPECT_EQ(WLEGDate(2009122).GetDisplayText(), "");
  EXPECT_FALSE(WLEGDate(123456789).IsValid());
  EXPECT_EQ(WLEGDate(-1234567).GetDisplayText(), "");  // no part is a number that fits
}

}  // namespace
