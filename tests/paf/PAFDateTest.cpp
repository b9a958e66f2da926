// PAF dates: the 6-byte dates of versions 3 and 4, the 12-byte dates of version 5 with their
// Julian day numbers, keywords and text dates, and the time stamps of individual records.

#include <gtest/gtest.h>

#include <clocale>
#include <memory>
#include <string>

#include "formats/paf/PafDate.h"
#include "support/PAFWriter.h"

namespace {

std::string Bytes34(int year, int month, int day, int qualifier = 0, int second = 0) {
  std::string b(6, '\0');
  const int w0 = year << 3, w1 = (month << 3) | (day << 11);
  b[0] = static_cast<char>(w0 & 0xFF);
  b[1] = static_cast<char>(w0 >> 8);
  b[2] = static_cast<char>(w1 & 0xFF);
  b[3] = static_cast<char>(w1 >> 8);
  b[4] = static_cast<char>(qualifier);
  b[5] = static_cast<char>(second);
  return b;
}

std::string Keyword34(int32_t value) {
  std::string b(6, '\0');
  for (int k = 0; k < 4; ++k) b[2 + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
  return b;
}

std::string Display34(const std::string& bytes) {
  return WPafDate::FromPAF34(WCheckedView(bytes), 0)->GetDisplayText();
}

// A version 5 date of one day-number part; flags clear year (0x80), month (0x40), day (0x20).
std::string Bytes5(int kind, int code, uint32_t julian_day, int flags = 0) {
  std::string b(12, '\0');
  b[0] = static_cast<char>(kind | (1 << 4));
  b[1] = static_cast<char>(code);
  b[3] = static_cast<char>(flags);
  b[4] = static_cast<char>(julian_day & 0xFF);
  b[5] = static_cast<char>((julian_day >> 8) & 0xFF);
  b[6] = static_cast<char>((julian_day >> 16) & 0xFF);
  return b;
}

std::string Display5(const std::string& bytes) {
  return WPafDate::FromPAF5(WCheckedView(bytes), 0)->GetDisplayText();
}

TEST(PAFDates, Version34BitFieldsQualifiersAndDoubleDates) {
  EXPECT_EQ(Display34(Bytes34(1850, 3, 12)), "12 Mar 1850");
  EXPECT_EQ(Display34(Bytes34(1850, 0, 0)), "1850");
  EXPECT_EQ(Display34(Bytes34(1850, 3, 0, 1)), "Aft Mar 1850");
  EXPECT_EQ(Display34(Bytes34(1850, 0, 0, 2)), "Bef 1850");
  EXPECT_EQ(Display34(Bytes34(1850, 0, 0, 3)), "Abt 1850");
  EXPECT_EQ(Display34(Bytes34(1850, 0, 0, 4)), "Cal 1850");
  EXPECT_EQ(Display34(Bytes34(1850, 0, 0, 6)), "Est 1850");
  // 5 and unknown codes are exact.
  EXPECT_EQ(Display34(Bytes34(1850, 0, 0, 5)), "1850");
  EXPECT_EQ(Display34(Bytes34(1850, 0, 0, 9)), "1850");
  EXPECT_EQ(Display34(Bytes34(1710, 2, 1, 0, 1)), "1 Feb 1710/1711");
  std::unique_ptr<WPafDate> date = WPafDate::FromPAF34(WCheckedView(Bytes34(1710, 2, 1, 0, 1)), 0);
  EXPECT_TRUE(date->IsValid());
  EXPECT_TRUE(date->IsStandard());
  EXPECT_EQ(date->SecondDate().year, 1711);
  EXPECT_EQ(date->GetText(), "1 Feb 1710/1711");
  // A month or day out of range from a damaged file is dropped.
  EXPECT_EQ(Display34(Bytes34(1850, 31, 12)), "12 1850");
}

TEST(PAFDates, Version34Keywords) {
  EXPECT_EQ(Display34(Keyword34(136)), "COMPLETED");
  std::unique_ptr<WPafDate> keyword = WPafDate::FromPAF34(WCheckedView(Keyword34(136)), 0);
  EXPECT_FALSE(keyword->IsStandard());
  EXPECT_TRUE(keyword->IsValid());
  // 137 is no keyword: its bits are read as a date.
  std::unique_ptr<WPafDate> date = WPafDate::FromPAF34(WCheckedView(Keyword34(137)), 0);
  EXPECT_TRUE(date->IsStandard());
  EXPECT_EQ(date->Month(), 0) << "bits 3-7 of 137 give month 17, which is dropped";
  for (int value : {104, 120, 128, 184, 200, 208, 216, 232}) EXPECT_NE(WPafDate::Keyword34(value), nullptr);
  EXPECT_STREQ(WPafDate::Keyword34(232), "SUBMITTED");
}

TEST(PAFDates, Version5JulianDaysAcrossTheCalendarChange) {
  EXPECT_EQ(Display5(Bytes5(2, 0, 2299161)), "15 Oct 1582");
  EXPECT_EQ(Display5(Bytes5(2, 0, 2299160)), "4 Oct 1582");
  EXPECT_EQ(Display5(Bytes5(2, 0, PAFWriter::JulianDay(1850, 3, 12))), "12 Mar 1850");
  EXPECT_EQ(Display5(Bytes5(2, 0, PAFWriter::JulianDay(1600, 2, 29))), "29 Feb 1600");
  // Flags clear the parts: no year, no month, no day.
  std::unique_ptr<WPafDate> no_year = WPafDate::FromPAF5(WCheckedView(Bytes5(2, 0, 2299161, 0x80)), 0);
  EXPECT_EQ(no_year->Year(), 0);
  EXPECT_EQ(no_year->Month(), 10);
  EXPECT_EQ(Display5(Bytes5(2, 0, 2299161, 0x60)), "1582");
  // Day 0 of the count lies in 4713 BC.
  std::unique_ptr<WPafDate> bc = WPafDate::FromPAF5(WCheckedView(Bytes5(2, 0, 0)), 0);
  EXPECT_EQ(bc->FirstDate().era, 1);
  EXPECT_EQ(bc->Year(), 4713);
}

TEST(PAFDates, Version5QualifiersKeywordsAndKinds) {
  const uint32_t day = PAFWriter::JulianDay(1900, 1, 1);
  EXPECT_EQ(Display5(Bytes5(2, 1, day)), "Abt 1 Jan 1900");
  EXPECT_EQ(Display5(Bytes5(2, 2, day)), "Aft 1 Jan 1900");
  EXPECT_EQ(Display5(Bytes5(2, 3, day)), "Bef 1 Jan 1900");
  EXPECT_EQ(Display5(Bytes5(2, 4, day)), "Est 1 Jan 1900");
  EXPECT_EQ(Display5(Bytes5(2, 5, day)), "Cal 1 Jan 1900");
  EXPECT_EQ(Display5(Bytes5(2, 6, day)), "1 Jan 1900");
  std::string keyword(12, '\0');
  keyword[0] = 1;
  keyword[1] = 5;
  EXPECT_EQ(Display5(keyword), "COMPLETED");
  keyword[1] = 19;
  EXPECT_EQ(Display5(keyword), "INPROCESS");
  keyword[1] = 20;
  EXPECT_EQ(Display5(keyword), "");
  EXPECT_TRUE(WPafDate::FromPAF5(WCheckedView(keyword), 0)->IsStandard());
  for (int kind : {0, 5, 9, 15}) EXPECT_EQ(Display5(Bytes5(kind, 0, day)), "") << kind;
  // Two dates: the second date's year after a slash.
  std::string two = Bytes5(3, 0, day);
  two[0] = static_cast<char>(3 | (1 << 4) | (1 << 6));
  const uint32_t second = PAFWriter::JulianDay(1901, 1, 1);
  two[8] = static_cast<char>(0x60);
  two[9] = static_cast<char>(second & 0xFF);
  two[10] = static_cast<char>((second >> 8) & 0xFF);
  two[11] = static_cast<char>((second >> 16) & 0xFF);
  EXPECT_EQ(Display5(two), "1 Jan 1900/1901");
}

TEST(PAFDates, Version5TextDatesResolveTheirPointerInsideTheFile) {
  // A text record at offset 16: 13 bytes not read, then the text.
  std::string file(64, '\0');
  file[0] = static_cast<char>(2 | (2 << 4));
  file[2] = 16;
  file.replace(16 + 13, 12, "ABT WINTER 1");
  EXPECT_EQ(Display5(file), "ABT WINTER 1");
  EXPECT_FALSE(WPafDate::FromPAF5(WCheckedView(file), 0)->IsStandard());
  // A pointer outside the file leaves the text empty.
  file[2] = 0x7F;
  file[3] = 0x7F;
  EXPECT_EQ(Display5(file), "");
}

TEST(PAFDates, TimeStampsCountWholeDaysWhateverTheLocale) {
  EXPECT_EQ(WPafDate::FromTimeStamp(0), nullptr);
  EXPECT_EQ(WPafDate::FromTimeStamp(86399)->GetDisplayText(), "1 Jan 1970");
  EXPECT_EQ(WPafDate::FromTimeStamp(86400)->GetDisplayText(), "2 Jan 1970");
  // Before 1970 the day is counted down: one second before is 31 December 1969.
  EXPECT_EQ(WPafDate::FromTimeStamp(-1)->GetDisplayText(), "31 Dec 1969");
  EXPECT_EQ(WPafDate::FromTimeStamp(-86400)->GetDisplayText(), "31 Dec 1969");
  EXPECT_EQ(WPafDate::FromTimeStamp(-86401)->GetDisplayText(), "30 Dec 1969");
  // Month names do not follow the user's language.
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "C.UTF-8"}) {
    if (!std::setlocale(LC_ALL, name)) continue;
    std::unique_ptr<WDate> may = WPafDate::FromTimeStamp(1273017600);  // 5 May 2010
    EXPECT_EQ(may->GetDisplayText(), "5 May 2010") << name;
    EXPECT_TRUE(may->IsStandard()) << name;
  }
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
