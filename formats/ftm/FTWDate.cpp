#include "formats/ftm/FTWDate.h"

namespace {

// The model's qualifier for each stored code.
constexpr uint8_t kQualifiers[8] = {kQualBefore,  kQualAbout,     kQualExact,   kQualAfter,
                                    kQualBetween, kQualEstimated, kQualBetween, kQualExact};

// Before the calendar change of 1752 the year began on 25 March.
constexpr int kLastOldStyleYear = 1752;

}  // namespace

const char* WFTWDate::KeywordText(uint32_t word) {
  if (word == 0x3402) return "Dead";
  if (word == 0x3C02) return "Unknown";
  return nullptr;
}

void WFTWDate::GeneralParts(uint32_t word, int& year, int& month, int& day) {
  const uint32_t w0 = word & 0xFFFF;
  year = static_cast<int>(word >> 16);
  month = static_cast<int>((w0 >> 9) & 15);
  day = static_cast<int>((w0 >> 3) & 31);
}

WFTWDate::WFTWDate(uint32_t first_word, uint32_t second_word) {
  if (IsKeyword(first_word)) {
    // A word, read as the date parser reads such a text; an unknown one leaves the date invalid.
    if (const char* word = KeywordText(first_word)) SetText(word);
    return;
  }
  const uint32_t w0 = first_word & 0xFFFF;
  const uint32_t w1 = first_word >> 16;
  const uint32_t code = w0 & 7;
  invalid = false;
  nonStandard = false;
  qualifier = kQualifiers[code];
  if (code == 4) {
    SetDateParts(firstDate, static_cast<int>(w1 >> 4), 0, 0);
    SetDateParts(secondDate, static_cast<int>(w0 >> 4), 0, 0);
    secondQualifier = kQualAnd;
  } else if (code == 5) {
    SetDateParts(firstDate, static_cast<int>(w1 >> 4), 0, 0);
  } else {
    int year, month, day;
    GeneralParts(first_word, year, month, day);
    if (code == 6) {
      SetDateParts(firstDate, year, month, day);
      GeneralParts(second_word, year, month, day);
      SetDateParts(secondDate, year, month, day);
      secondQualifier = kQualAnd;
    } else if (year != 0 && year <= kLastOldStyleYear && month >= 1 && month <= 3 &&
               !(month == 3 && day > 24)) {
      SetDateParts(firstDate, year - 1, month, day);
      SetDateParts(secondDate, year, 0, 0);
    } else {
      SetDateParts(firstDate, year, month, day);
    }
  }
  text = GetDisplayText();
}
