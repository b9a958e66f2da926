#include "formats/tmg/TMGDate.h"

#include "base/TextUtils.h"

namespace {

constexpr size_t kLongLength = 30;
constexpr size_t kShortLength = 8;

// The digits at [start, start + width) of the text as a number; 0 when any of them is not a
// digit or the text is shorter.
int DigitsAt(std::string_view text, size_t start, size_t width) {
  if (start + width > text.size()) return 0;
  int value = 0;
  for (size_t i = start; i < start + width; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The qualifier digit of a regular date.
uint8_t QualifierOf(char c) {
  switch (c) {
    case '0':
      return kQualBefore;
    case '1':
      return kQualSay;
    case '2':
      return kQualAbout;
    case '4':
      return kQualAfter;
    case '5':
      return kQualBetween;
    case '7':
      return kQualFrom;
    default:
      return kQualExact;
  }
}

// Month and day digits of a damaged file beyond the calendar read as missing.
int MonthPart(int month) { return month <= 12 ? month : 0; }

// Order of the qualifiers at one day: before, the estimates, exact (and every qualifier the
// date comparison puts level with everything), after.
uint64_t QualifierRank(uint8_t qualifier) {
  switch (qualifier) {
    case kQualBefore:
      return 1;
    case kQualCalculated:
      return 2;
    case kQualCirca:
      return 3;
    case kQualAbout:
    case kQualEstimated:
      return 4;
    case kQualAfter:
      return 6;
    default:
      return 5;
  }
}

}  // namespace

WTMGDate::WTMGDate(std::string_view raw, Form form) {
  if (form == Form::Long)
    SetLong(raw);
  else
    SetShort(raw);
}

int WTMGDate::Decode(std::string_view raw, std::string* stored, Regular& parts) {
  const bool regular = raw.size() == kLongLength && raw[0] == '1';
  if (!regular) {
    const std::string text = raw.size() > 1 ? TrimText(raw.substr(1)) : std::string();
    if (stored) *stored = text;
    if (raw.size() != kLongLength) return 0;
    return text.empty() ? 0 : 1;
  }
  parts.year1 = DigitsAt(raw, 1, 4);
  parts.month1 = MonthPart(DigitsAt(raw, 5, 2));
  parts.day1 = DigitsAt(raw, 7, 2);
  parts.qualifier = QualifierOf(raw[10]);
  parts.year2 = DigitsAt(raw, 11, 4);
  parts.month2 = MonthPart(DigitsAt(raw, 15, 2));
  parts.day2 = DigitsAt(raw, 17, 2);
  if (parts.day1 > 31) parts.day1 = 0;
  if (parts.day2 > 31) parts.day2 = 0;
  if (stored) stored->clear();
  return parts.year1 == 0 && parts.month1 == 0 && parts.day1 == 0 ? 0 : 2;
}

void WTMGDate::SetLong(std::string_view raw) {
  qualifier = secondQualifier = kQualExact;
  firstDate = DateRec{};
  secondDate = DateRec{};
  nonStandard = false;
  invalid = true;
  Regular parts{};
  switch (Decode(raw, &text, parts)) {
    case 0:
      return;
    case 1:
      // Free text: shown as stored.
      invalid = false;
      nonStandard = true;
      return;
    default:
      break;
  }
  invalid = false;
  qualifier = parts.qualifier;
  if (qualifier == kQualBetween) secondQualifier = kQualAnd;
  if (qualifier == kQualFrom) secondQualifier = kQualTo;
  SetDateParts(firstDate, parts.year1, parts.month1, parts.day1);
  firstDate.hasDate = true;
  SetDateParts(secondDate, parts.year2, parts.month2, parts.day2);
  text = GetDisplayText();
}

void WTMGDate::SetShort(std::string_view raw) {
  qualifier = secondQualifier = kQualExact;
  firstDate = DateRec{};
  secondDate = DateRec{};
  nonStandard = false;
  text = std::string(raw);
  invalid = raw.size() != kShortLength;
  if (invalid) return;
  SetDateParts(firstDate, DigitsAt(raw, 0, 4), MonthPart(DigitsAt(raw, 4, 2)), DigitsAt(raw, 6, 2));
  text = GetDisplayText();
}

uint64_t WTMGDate::SortKeyOf(std::string_view raw, std::string* free_text) {
  Regular parts{};
  switch (Decode(raw, free_text, parts)) {
    case 0:
      return 0;
    case 1:
      return kFreeTextBase;
    default:
      break;
  }
  // Parts as the date keeps them.
  const uint64_t year = static_cast<uint64_t>(parts.year1);
  const uint64_t month = static_cast<uint64_t>(parts.month1);
  const uint64_t day = static_cast<uint64_t>(parts.day1);
  return kRegularBase | year << 24 | month << 16 | day << 8 | QualifierRank(parts.qualifier);
}
