#include "formats/paf/PafDate.h"

#include <chrono>
#include <cmath>
#include <string>

#include "base/TextUtils.h"
#include "formats/paf/PAFMMF.h"

namespace {

const char* const kMonthAbbreviations[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Julian day number (from 1 January 4713 BC) to year, month and day: Gregorian from
// 15 October 1582 (day 2299161), Julian before.  A year before 1 AD comes out as 0 or below.
void JulianDayToDate(uint32_t julian_day, int& year, int& month, int& day) {
  const double z = std::trunc(static_cast<double>(julian_day) + 0.5);
  double a = z;
  if (z >= 2299161) {
    const double alpha = std::trunc((z - 1867216.25) / 36524.25);
    a = z + 1 + alpha - std::trunc(alpha / 4);
  }
  const double b = a + 1524;
  const double c = std::trunc((b - 122.1) / 365.25);
  const double d = std::trunc(365.25 * c);
  const double e = std::trunc((b - d) / 30.6001);
  day = static_cast<int>(std::trunc((b - d) - 30.6001 * e + 1.0));
  month = static_cast<int>(e < 14 ? e - 1 : e - 13);
  year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
}

}  // namespace

WPafDate::WPafDate() {
  invalid = false;
  nonStandard = false;
}

const char* WPafDate::Keyword34(int32_t value) {
  switch (value) {
    case 104:
      return "BIC";
    case 120:
      return "CHILD";
    case 128:
      return "CLEARED";
    case 136:
      return "COMPLETED";
    case 184:
      return "INFANT";
    case 200:
      return "PRE-1970";
    case 208:
      return "STILLBORN";
    case 216:
      return "UNCLEARED";
    case 232:
      return "SUBMITTED";
  }
  return nullptr;
}

const char* WPafDate::Keyword5(int code) {
  static const char* const kKeywords[] = {"BIC",       "CANCELLED",  "CHILD",    "CLEARED",   "COMPLETED",
                                          "DEAD",      "DECEASED",   "DONE",     "DNS",       "DNSCAN",
                                          "INFANT",    "NOTMARRIED", "PRE-1970", "STILLBORN", "SUBMITTED",
                                          "UNCLEARED", "QUALIFIED",  "DONTDOIT", "INPROCESS"};
  if (code < 1 || code > static_cast<int>(std::size(kKeywords))) return nullptr;
  return kKeywords[code - 1];
}

std::unique_ptr<WPafDate> WPafDate::FromPAF34(const WCheckedView& file, uint64_t offset) {
  std::unique_ptr<WPafDate> date(new WPafDate());
  date->Decode34(file, offset);
  return date;
}

std::unique_ptr<WPafDate> WPafDate::FromPAF5(const WCheckedView& file, uint64_t offset) {
  std::unique_ptr<WPafDate> date(new WPafDate());
  date->Decode5(file, offset);
  return date;
}

void WPafDate::Decode34(const WCheckedView& file, uint64_t offset) {
  if (const char* keyword = Keyword34(file.I32LE(offset + 2))) {
    nonStandard = true;
    text = keyword;
    return;
  }
  const unsigned w0 = file.U16LE(offset), w1 = file.U16LE(offset + 2);
  const int year = (w0 >> 3) & 0x1FFF;
  SetDateParts(firstDate, year, (w1 >> 3) & 0x1F, (w1 >> 11) & 0x1F);
  firstDate.era = 0;
  firstDate.hasDate = true;
  switch (file.U8(offset + 4)) {
    case 1:
      qualifier = kQualAfter;
      break;
    case 2:
      qualifier = kQualBefore;
      break;
    case 3:
      qualifier = kQualAbout;
      break;
    case 4:
      qualifier = kQualCalculated;
      break;
    case 6:
      qualifier = kQualEstimated;
      break;
    default:
      qualifier = kQualExact;
  }
  if (const int second = file.U8(offset + 5)) {
    SetDateParts(secondDate, year + second, 0, 0);
    secondDate.era = 0;
    secondDate.hasDate = true;
  }
  text = Utf8ToAnsi(GetDisplayText());
}

void WPafDate::Decode5(const WCheckedView& file, uint64_t offset) {
  const unsigned head = file.U8(offset), code = file.U8(offset + 1);
  const int kind = head & 0x0F;
  if (kind == 1) {
    if (const char* keyword = Keyword5(static_cast<int>(code))) {
      nonStandard = true;
      text = keyword;
    }
    return;
  }
  if (kind < 2 || kind > 4) return;
  switch (code) {
    case 1:
      qualifier = kQualAbout;
      break;
    case 2:
      qualifier = kQualAfter;
      break;
    case 3:
      qualifier = kQualBefore;
      break;
    case 4:
      qualifier = kQualEstimated;
      break;
    case 5:
      qualifier = kQualCalculated;
      break;
    default:
      qualifier = kQualExact;
  }
  DecodePart(file, offset + 2, (head >> 4) & 3, firstDate);
  if (kind >= 3) DecodePart(file, offset + 7, (head >> 6) & 3, secondDate);
  if (!nonStandard) text = Utf8ToAnsi(GetDisplayText());
}

void WPafDate::DecodePart(const WCheckedView& file, uint64_t offset, int encoding, DateRec& part) {
  if (encoding == 1) {
    const unsigned flags = file.U8(offset + 1);
    const uint32_t julian_day =
        file.U8(offset + 2) | (file.U8(offset + 3) << 8) | (static_cast<uint32_t>(file.U8(offset + 4)) << 16);
    int year = 0, month = 0, day = 0;
    JulianDayToDate(julian_day, year, month, day);
    part.era = year < 0 ? 1 : 0;
    if (year < 0) year = 1 - year;
    if (flags & 0x80) year = 0;
    if (flags & 0x40) month = 0;
    if (flags & 0x20) day = 0;
    SetDateParts(part, year, month, day);
  } else if (encoding == 2) {
    nonStandard = true;
    text = Utf8ToAnsi(WPAFMMF::TextRecord(file, file.I32LE(offset)));
  }
}

std::unique_ptr<WDate> WPafDate::FromTimeStamp(int32_t seconds) {
  if (seconds == 0) return nullptr;
  using namespace std::chrono;
  // Floor division: a stamp one second before 1970 lies on 31 December 1969.
  const int64_t days = seconds >= 0 ? seconds / 86400 : -((-static_cast<int64_t>(seconds) + 86399) / 86400);
  const year_month_day ymd{sys_days{} + std::chrono::days{days}};
  // English month names whatever the user's locale: the date parser reads these.
  const std::string text = std::to_string(static_cast<unsigned>(ymd.day())) + " " +
                           kMonthAbbreviations[static_cast<unsigned>(ymd.month()) - 1] + " " +
                           std::to_string(static_cast<int>(ymd.year()));
  return std::make_unique<WDate>(text);
}
