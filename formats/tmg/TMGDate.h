#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Date.h"

// A date as a TMG project stores it, filled from its coded text instead of parsed.
//
// The 30-character form (event, sort, name, birth and death dates): a kind character, then
// for a regular date ("1") the first date as yyyymmdd, a filler, a qualifier digit and the
// second date as yyyymmdd; any other kind character makes a free-text date shown as stored.
// The 8-character form (the change date of a person) is yyyymmdd.
class WTMGDate : public WDate {
 public:
  enum class Form { Long, Short };

  // An invalid date (no text).
  WTMGDate() = default;
  WTMGDate(std::string_view raw, Form form);

  // Decodes the 30-character form.
  void SetLong(std::string_view raw);
  // Decodes the 8-character form.
  void SetShort(std::string_view raw);

  // A key that orders 30-character dates as the date comparison does wherever that comparison
  // is consistent: invalid dates first (key 0), then free-text dates by the rank their text is
  // given in `text_rank` (see below), then regular dates by year, month, day and qualifier.
  // A free-text date sets *free_text to its display text and gets the key
  // kFreeTextBase + the rank; the caller ranks the texts once all are known (FreeTextKey).
  // Equal keys are ties; the caller breaks them by position.
  static uint64_t SortKeyOf(std::string_view raw, std::string* free_text);
  static constexpr uint64_t kFreeTextBase = uint64_t{1} << 62;
  static constexpr uint64_t kRegularBase = uint64_t{2} << 62;
  static bool IsFreeTextKey(uint64_t key) { return key >= kFreeTextBase && key < kRegularBase; }
  static uint64_t FreeTextKey(uint32_t rank) { return kFreeTextBase + rank; }

 private:
  // The parts of a regular date, as decoded from the digits.
  struct Regular {
    int year1, month1, day1, year2, month2, day2;
    uint8_t qualifier;
  };
  // Kind of a 30-character text: 0 invalid, 1 free text, 2 regular (with its parts).  The
  // stored text (the text after the kind character, trimmed) is set when asked for, except for
  // a regular date, whose stored text is its display text.
  static int Decode(std::string_view raw, std::string* stored, Regular& parts);
};
