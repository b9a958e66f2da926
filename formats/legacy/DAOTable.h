#pragma once

#include <cstdint>
#include <string>

// One table of a Legacy database opened for reading, as the Legacy reader uses it: walk it from
// the first row to the end (in table order, or in the order of an index once one is set), or
// seek a row by the key of the current index, then read the current row's fields as integers
// or texts.  The reader never changes a database.  Table and field names, and text keys, match
// without regard to letter case.
//
// Without a current row (before First, after the last row, after a seek that found nothing)
// every field reads as 0 or an empty text.
class TDAOTable {
 public:
  virtual ~TDAOTable() = default;
  TDAOTable() = default;
  TDAOTable(const TDAOTable&) = delete;
  TDAOTable& operator=(const TDAOTable&) = delete;

  // Number of live rows.
  virtual int RecordCount() = 0;
  // Later walks and seeks follow the index of that name; false (and the table's own order
  // without seeks) when the table has none.
  virtual bool SetIndex(const std::string& name) = 0;
  // The first row in the current order; End() tells whether there was one.
  virtual void First() = 0;
  virtual void Next() = 0;
  // True after the last row, before the first First() and after a failed seek.
  virtual bool End() = 0;
  // Makes the first row whose key (the first column of the current index) equals the value
  // current; false, with no current row, when there is none or no index is set.
  virtual bool SeekEqual(int32_t key) = 0;
  virtual bool SeekEqual(const std::string& key) = 0;

  // Number of fields; handles run from 0 to one less.
  virtual int FieldCount() = 0;
  // A handle for repeated reads of one field; -1 when the table has no such field.
  virtual int FieldIndex(const std::string& name) = 0;
  // The current row's value of a field as an integer: numbers as they are, a text only when it
  // is a whole decimal number that fits (anything else, an empty value and a missing field read
  // as 0), true as -1, a date as yyyymmdd.
  virtual int32_t FieldInt(int field) = 0;
  // The value as Windows-1252 text; an empty value and a missing field read as "".
  virtual std::string FieldText(int field) = 0;

  int32_t FieldInt(const std::string& name) { return FieldInt(FieldIndex(name)); }
  std::string FieldText(const std::string& name) { return FieldText(FieldIndex(name)); }
  bool FieldExists(const std::string& name) { return FieldIndex(name) >= 0; }
};
