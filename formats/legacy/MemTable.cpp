#include "formats/legacy/MemTable.h"

#include <strings.h>

#include "formats/legacy/DAOValues.h"

TMemTable::TMemTable(std::shared_ptr<const TMemDatabase::Table> table) : table_(std::move(table)) {}

int TMemTable::RecordCount() { return static_cast<int>(table_->rows.size()); }

bool TMemTable::SetIndex(const std::string& name) {
  position_ = -1;
  if (index_ && strcasecmp(index_name_.c_str(), name.c_str()) == 0) return true;
  index_name_ = name;
  std::vector<int> keys;
  for (const auto& [index_name, key_columns] : table_->indexes) {
    if (strcasecmp(index_name.c_str(), name.c_str()) != 0) continue;
    for (const std::string& column : key_columns)
      if (int c = table_->Column(column); c >= 0) keys.push_back(c);
    break;
  }
  if (keys.empty())
    if (int c = table_->Column(name); c >= 0) keys.push_back(c);
  position_ = -1;
  if (keys.empty()) {
    index_.reset();
    return false;
  }
  std::vector<bool> text_columns;
  for (int c : keys) {
    bool text = false;
    for (const auto& row : table_->rows) text = text || std::holds_alternative<std::string>(row[c]);
    text_columns.push_back(text);
  }
  index_ = std::make_unique<TDAOKeyMap>(text_columns);
  for (size_t r = 0; r < table_->rows.size(); ++r) {
    index_->AddRow(r);
    for (size_t k = 0; k < keys.size(); ++k) {
      const TMemValue& value = table_->rows[r][keys[k]];
      if (const auto* number = std::get_if<int64_t>(&value))
        index_->SetNumber(static_cast<int>(k), *number);
      else if (const auto* text = std::get_if<std::string>(&value))
        index_->SetText(static_cast<int>(k), *text);
    }
  }
  index_->Sort();
  return true;
}

void TMemTable::First() { position_ = RecordCount() > 0 ? 0 : -1; }

void TMemTable::Next() {
  if (position_ < 0) return;
  if (++position_ >= RecordCount()) position_ = -1;
}

bool TMemTable::End() { return position_ < 0; }

bool TMemTable::SeekEqual(int32_t key) {
  position_ = index_ ? index_->Find(static_cast<int64_t>(key)) : -1;
  return position_ >= 0;
}

bool TMemTable::SeekEqual(const std::string& key) {
  position_ = index_ ? index_->Find(key) : -1;
  return position_ >= 0;
}

int TMemTable::FieldIndex(const std::string& name) { return table_->Column(name); }

const TMemValue* TMemTable::Current(int field) const {
  if (position_ < 0 || field < 0 || field >= static_cast<int>(table_->columns.size())) return nullptr;
  size_t row = index_ ? static_cast<size_t>(index_->PlaceAt(position_)) : static_cast<size_t>(position_);
  if (row >= table_->rows.size() || field >= static_cast<int>(table_->rows[row].size())) return nullptr;
  return &table_->rows[row][field];
}

int32_t TMemTable::FieldInt(int field) {
  const TMemValue* value = Current(field);
  if (!value) return 0;
  if (const auto* number = std::get_if<int64_t>(value))
    return *number >= INT32_MIN && *number <= INT32_MAX ? static_cast<int32_t>(*number) : 0;
  if (const auto* text = std::get_if<std::string>(value)) return DAOStrictInt(*text);
  return 0;
}

std::string TMemTable::FieldText(int field) {
  const TMemValue* value = Current(field);
  if (!value) return std::string();
  if (const auto* number = std::get_if<int64_t>(value)) return std::to_string(*number);
  if (const auto* text = std::get_if<std::string>(value)) return *text;
  return std::string();
}
