#pragma once

#include <cstdint>
#include <memory>

#include "base/CheckedView.h"
#include "base/Date.h"

// A date as a PAF database stores it, decoded into the model's date by filling its fields
// directly (the text parser never runs on it):
// - versions 3 and 4: 6 bytes, year, month and day as bit fields, a qualifier, the offset of a
//   second year (double dating), or one of the ordinance keywords;
// - version 5: 12 bytes, a kind (keyword, one date, two dates), a qualifier and up to two date
//   parts, each a Julian day number with flags for missing parts, or a pointer to a text
//   record holding the date as text.
class WPafDate : public WDate {
 public:
  // The 6-byte date at `offset` of the file (versions 3 and 4).
  static std::unique_ptr<WPafDate> FromPAF34(const WCheckedView& file, uint64_t offset);
  // The 12-byte date at `offset` of the file (version 5); text pointers are resolved in `file`.
  static std::unique_ptr<WPafDate> FromPAF5(const WCheckedView& file, uint64_t offset);
  // The date of a record's time stamp (seconds since 1 January 1970, whole days counted down
  // toward the past); none for 0.
  static std::unique_ptr<WDate> FromTimeStamp(int32_t seconds);

  // The keyword of a version 3/4 keyword value, of a version 5 keyword code; nullptr when none.
  static const char* Keyword34(int32_t value);
  static const char* Keyword5(int code);

 private:
  WPafDate();
  void Decode34(const WCheckedView& file, uint64_t offset);
  void Decode5(const WCheckedView& file, uint64_t offset);
  // One 5-byte date part of a version 5 date with its encoding (1 day number, 2 text).
  void DecodePart(const WCheckedView& file, uint64_t offset, int encoding, DateRec& part);
};
