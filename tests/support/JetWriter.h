#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <variant>
#include <vector>

// Writes small Microsoft Jet 4 databases for the tests of the Legacy reader: page 0 with the
// signature and the RC4-masked header area, the tables' usage maps from page 1 on, the catalog
// MSysObjects at page 2, one definition page per table followed by its packed data pages, and
// long-value pages for memos too long to stay in their row.  No index definitions are written
// (Jet readers walk tables without them).  Deleted rows stay on their page with the row-offset
// flags 0xC000, as Jet leaves them.
//
// Column types: Boolean (kept in the null mask), Byte, Integer, Long, Double, Date/Time, Text
// (plain UCS-2) and Memo.  Texts are given as UTF-8.
class JetWriter {
 public:
  enum Type : uint8_t {
    kBoolean = 0x01,
    kByte = 0x02,
    kInteger = 0x03,
    kLong = 0x04,
    kDouble = 0x07,
    kDateTime = 0x08,
    kText = 0x0A,
    kOle = 0x0B,
    kMemo = 0x0C,
  };
  struct Column {
    std::string name;
    Type type = kLong;
    int length = 255;  // Text: most characters
  };
  // Empty (null), a number (integers and Booleans), a floating number (Double, Date/Time as days
  // since 30 December 1899) or a UTF-8 text.
  using Value = std::variant<std::monostate, int64_t, double, std::string>;
  struct Table {
    std::string name;
    std::vector<Column> columns;
    std::vector<std::vector<Value>> rows;
    std::vector<bool> deleted;

    // Appends a row: the values by column name; columns not named stay empty.
    Table& Row(std::initializer_list<std::pair<const char*, Value>> values);
    // Appends a row that is marked deleted on its page.
    Table& DeletedRow(std::initializer_list<std::pair<const char*, Value>> values);
    Table& Row(const std::vector<std::pair<std::string, Value>>& values, bool deleted = false);
    int ColumnIndex(const std::string& column) const;
  };

  // A table with these columns; returns it for rows.
  Table& AddTable(const std::string& name, std::vector<Column> columns);

  const std::deque<Table>& Tables() const { return tables_; }

  // The whole file.
  std::string Bytes() const;
  // Writes the file; false when it cannot be written.
  bool Write(const std::string& path) const;

  // Days since 30 December 1899 of a calendar date (for Date/Time values).
  static double JetDay(int year, int month, int day);

 private:
  std::deque<Table> tables_;  // references to tables stay valid as tables are added
};
