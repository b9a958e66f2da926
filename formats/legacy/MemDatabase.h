#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "formats/legacy/DAODatabase.h"

// A value of an in-memory table: empty (null), a number or a Windows-1252 text.
using TMemValue = std::variant<std::monostate, int64_t, std::string>;

// Named tables of rows held in memory, with the operations of a Legacy database: the tests and
// the fuzz harness build a database with it and run the Legacy reader over it without a file.
// A column holds texts when any of its values is a text, numbers otherwise.  Every column is an
// index of its own name; AddIndex names indexes over other columns ("IDMROrder").
class TMemDatabase : public TDAODatabase {
 public:
  struct Table {
    std::string name;
    std::vector<std::string> columns;
    std::vector<std::vector<TMemValue>> rows;
    // Index name and its key columns.
    std::vector<std::pair<std::string, std::vector<std::string>>> indexes;

    // The column's number (letter case ignored), -1 when there is none.
    int Column(const std::string& column_name) const;
    // Adds a row; columns not named stay empty, unknown names are added as columns.
    Table& AddRow(std::initializer_list<std::pair<std::string, TMemValue>> values);
    Table& AddIndex(const std::string& index_name, std::vector<std::string> key_columns);
  };

  // Adds an empty table with these columns (or returns the table of that name).
  Table& AddTable(const std::string& name, std::vector<std::string> columns = {});
  Table* FindTable(const std::string& name);

  std::unique_ptr<TDAOTable> OpenTable(const std::string& name) override;

 private:
  std::vector<std::shared_ptr<Table>> tables_;
};
