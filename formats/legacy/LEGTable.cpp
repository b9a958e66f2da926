#include "formats/legacy/LEGTable.h"

#include "base/TextUtils.h"
#include "base/UIHooks.h"

WLEGTable::WLEGTable(TDAODatabase& database, const char* table_name, const char* seek_index)
    : table_(database.OpenTable(table_name)), seek_index_(seek_index ? seek_index : "") {}

WLEGTable::~WLEGTable() = default;

bool WLEGTable::Load() {
  UseSeekIndex();
  return !ImportCancelled;
}

void WLEGTable::UseSeekIndex() {
  last_valid_ = false;
  if (table_ && !seek_index_.empty()) table_->SetIndex(seek_index_);
}

bool WLEGTable::YieldEvery100(int kept) {
  if (kept % 100 == 0) YieldToUI();
  return !ImportCancelled;
}

bool WLEGTable::Seek(int32_t id) {
  if (!table_) return false;
  if (last_valid_ && last_sought_ == id) return last_found_;
  last_found_ = table_->SeekEqual(id);
  last_sought_ = id;
  last_valid_ = true;
  return last_found_;
}

bool WLEGTable::SeekText(const std::string& key) {
  last_valid_ = false;
  return table_ && table_->SeekEqual(key);
}

int WLEGTable::Field(const char* field) {
  if (!table_) return -1;
  std::string key = LowerCaseText(field);
  auto it = fields_.find(key);
  if (it != fields_.end()) return it->second;
  int index = table_->FieldIndex(field);
  fields_.emplace(std::move(key), index);
  return index;
}

int32_t WLEGTable::Int(const char* field) { return table_ ? table_->FieldInt(Field(field)) : 0; }

std::string WLEGTable::Text(const char* field) {
  return table_ ? table_->FieldText(Field(field)) : std::string();
}

bool WLEGTable::HasField(const char* field) { return Field(field) >= 0; }

int WLEGTable::RecordCount() { return table_ ? table_->RecordCount() : 0; }
