#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/CheckedView.h"
#include "base/MMFReadOnly.h"

// A dBase table (.dbf) read in place through a read-only mapping.  The header gives the
// number of records, where record 1 starts and the length of a record; the 32-byte field
// descriptors after it give each field's name, type letter and length.  Fields are numbered
// from 1 in descriptor order (0: no such field), records from 1 in file order.  A record's
// first byte is its deletion flag ('*' deleted); a field's bytes follow at the sum of the
// lengths of the fields before it.
//
// Every value is read through the checked view of the mapping, and the counts the header
// states are trusted only as far as the file bears them out:
// - the records in use are the header's count or as many whole records as the file holds,
//   whichever is smaller, fixed when the table is opened (a table another program is
//   appending to, or a truncated one, ends at its last whole record);
// - a record length of 0 or less, or a header longer than the file, gives an empty table;
// - the descriptor walk ends at the 0x0D terminator, at the header's end or at the file's
//   end, whichever comes first, and at 256 fields;
// - a field that reaches past the record is cut at the record's end.
// Record numbers outside 1..RecordCount() and field numbers outside 1..FieldCount() read as
// empty text, 0 and NUL.  Texts are returned as stored (no blanks trimmed).
class WDBFFile {
 public:
  struct Field {
    std::string name;
    char type = 0;              // type letter: 'C', 'N', 'L', 'M', 'I', ...
    uint32_t displacement = 0;  // as stored; not used for addressing
    int length = 0;             // bytes in the record (after cutting at the record's end)
    int offset = 0;             // from the byte after the deletion flag
  };

  static constexpr int kMaxFields = 256;
  static constexpr uint8_t kDescriptorEnd = 0x0D;

  // Maps the file read-only and reads its header and descriptors; raises EFOpenError
  // ("Error using the file ...") when the file cannot be opened.
  explicit WDBFFile(const std::string& path);
  // The content probe of a table: the file starts with a dBase header (a known version byte,
  // a plausible last-update month and day, a header length that holds at least one field
  // descriptor and a record length above 0).  False when the file cannot be read.
  static bool HasTableHeader(const std::string& path);
  virtual ~WDBFFile();
  WDBFFile(const WDBFFile&) = delete;
  WDBFFile& operator=(const WDBFFile&) = delete;

  // Number of the first field named `name` (letter case ignored); 0 when none.
  virtual int FieldIndex(std::string_view name) const;
  int FieldCount() const { return static_cast<int>(fields_.size()); }
  // Field 1..FieldCount(); nullptr otherwise.
  const Field* FieldAt(int field) const;

  // Records in use (see above).
  int RecordCount() const { return record_count_; }
  // The count as the header states it.
  uint32_t HeaderRecordCount() const { return header_record_count_; }
  int HeaderLength() const { return header_length_; }
  int RecordLength() const { return record_length_; }
  int64_t FileSize() const { return static_cast<int64_t>(view_.Size()); }
  const std::string& Path() const { return path_; }
  // Reads outside the file from now on are noted in the log (see WCheckedView).
  void ReportDamageTo(WDamageLog* log) { view_.ReportDamageTo(log); }
  WDamageLog* DamageLog() const { return view_.DamageLog(); }

  // True for a record number outside 1..RecordCount() or a record flagged '*'.
  bool IsDeleted(int n) const;

  // The field's bytes up to its length, cut at the first NUL.
  virtual std::string FieldText(int n, int field) const;
  // The text as a signed 32-bit integer: leading blanks, an optional sign, then decimal
  // digits, or hexadecimal digits after "$", "x" or "0x".  Anything else after the number
  // (trailing blanks included), no digit at all, or a value beyond 32 bits gives 0.
  virtual int FieldInt(int n, int field) const;
  // The first character of FieldText; NUL when it is empty.
  char FieldChar(int n, int field) const;

  std::string FieldText(int n, std::string_view name) const { return FieldText(n, FieldIndex(name)); }
  int FieldInt(int n, std::string_view name) const { return FieldInt(n, FieldIndex(name)); }
  char FieldChar(int n, std::string_view name) const { return FieldChar(n, FieldIndex(name)); }

  // The field's bytes in the mapping (not cut at NUL); empty for a record or field out of
  // range.  Valid while the table is open.
  std::string_view FieldBytes(int n, int field) const;

  // The integer rule of FieldInt applied to any text.
  static int ParseInt(std::string_view text);

 protected:
  // The bytes up to the first NUL.
  static std::string_view CutAtNul(std::string_view bytes);

 private:
  void ReadHeader();

  std::string path_;
  WMMFReadOnly file_;
  WCheckedView view_;
  std::vector<Field> fields_;
  uint32_t header_record_count_ = 0;
  int header_length_ = 0;
  int record_length_ = 0;
  int record_count_ = 0;
};
