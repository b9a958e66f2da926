#include "formats/legacy/MemDatabase.h"

#include <strings.h>

#include "formats/legacy/MemTable.h"

int TMemDatabase::Table::Column(const std::string& column_name) const {
  for (size_t i = 0; i < columns.size(); ++i)
    if (strcasecmp(columns[i].c_str(), column_name.c_str()) == 0) return static_cast<int>(i);
  return -1;
}

TMemDatabase::Table& TMemDatabase::Table::AddRow(
    std::initializer_list<std::pair<std::string, TMemValue>> values) {
  std::vector<TMemValue> row(columns.size());
  for (const auto& [column_name, value] : values) {
    int c = Column(column_name);
    if (c < 0) {
      columns.push_back(column_name);
      for (auto& other : rows) other.emplace_back();
      row.emplace_back();
      c = static_cast<int>(columns.size()) - 1;
    }
    row[c] = value;
  }
  rows.push_back(std::move(row));
  return *this;
}

TMemDatabase::Table& TMemDatabase::Table::AddIndex(const std::string& index_name,
                                                   std::vector<std::string> key_columns) {
  indexes.emplace_back(index_name, std::move(key_columns));
  return *this;
}

TMemDatabase::Table& TMemDatabase::AddTable(const std::string& name, std::vector<std::string> columns) {
  if (Table* existing = FindTable(name)) return *existing;
  auto table = std::make_shared<Table>();
  table->name = name;
  table->columns = std::move(columns);
  tables_.push_back(table);
  return *table;
}

TMemDatabase::Table* TMemDatabase::FindTable(const std::string& name) {
  for (auto& table : tables_)
    if (strcasecmp(table->name.c_str(), name.c_str()) == 0) return table.get();
  return nullptr;
}

std::unique_ptr<TDAOTable> TMemDatabase::OpenTable(const std::string& name) {
  for (auto& table : tables_)
    if (strcasecmp(table->name.c_str(), name.c_str()) == 0) return std::make_unique<TMemTable>(table);
  return nullptr;
}
