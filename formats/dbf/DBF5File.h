#pragma once

#include <string>
#include <string_view>

#include "formats/dbf/DBFFile.h"

// A dBase table whose integer and memo fields (types 'I' and 'M') may hold raw little-endian
// bytes instead of digits, as Visual FoxPro writes them.  Field names are matched exactly,
// letter case included.
//
// FieldText of an 'I' or 'M' field: a 1-byte field gives its unsigned value and a 4-byte
// field its signed 32-bit value, both as decimal text; 2- and 3-byte fields give their bytes
// as characters (cut at NUL); any other length gives "0".  FieldInt looks only at the
// length, whatever the type: 1 and 4 bytes give the raw values, 2 and 3 bytes the digits
// they hold, any other length 0.
class WDBF5File : public WDBFFile {
 public:
  explicit WDBF5File(const std::string& path) : WDBFFile(path) {}

  int FieldIndex(std::string_view name) const override;
  std::string FieldText(int n, int field) const override;
  int FieldInt(int n, int field) const override;

  using WDBFFile::FieldInt;
  using WDBFFile::FieldText;

 private:
  // The raw value of a 1- or 4-byte field; false for other lengths.
  static bool RawValue(std::string_view bytes, int& value);
};
