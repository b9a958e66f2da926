#include "formats/legacy/MDBTable.h"

#include <strings.h>

#include <cmath>
#include <cstring>

#include "base/TextUtils.h"
#include "formats/legacy/DAOValues.h"
#include "formats/legacy/MDBHandle.h"

namespace {

// Most columns and indexes a Jet table can have; a definition that claims more is damaged and
// is not handed to libmdb.
constexpr unsigned kMaxColumns = MDB_MAX_COLS;
constexpr unsigned kMaxIndexes = 256;

MdbColumn* ColumnAt(MdbTableDef* table, int field) {
  if (!table || !table->columns || field < 0 || static_cast<guint>(field) >= table->columns->len)
    return nullptr;
  return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, field));
}

uint64_t Place(uint32_t page, unsigned row) { return static_cast<uint64_t>(page) << 16 | (row & 0xFFFF); }

int64_t Little(const unsigned char* p, int width) {
  uint64_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = v << 8 | p[i];
  return static_cast<int64_t>(v);
}

double DoubleAt(const unsigned char* p) {
  uint64_t bits = static_cast<uint64_t>(Little(p, 8));
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

int64_t TruncatedNumber(double d) {
  if (!std::isfinite(d) || d >= 2147483648.0 || d <= -2147483649.0) return 0;
  return static_cast<int64_t>(d);
}

}  // namespace

TMDBTable::TMDBTable(std::shared_ptr<TMDBHandle> handle, void* catalog_entry) : handle_(std::move(handle)) {
  auto* entry = static_cast<MdbCatalogEntry*>(catalog_entry);
  if (!handle_->CheckTableDefinition(static_cast<uint32_t>(entry->table_pg))) return;
  MdbTableDef* table = mdb_read_table(entry);
  if (!table) return;
  if (table->num_cols == 0 || table->num_cols > kMaxColumns || table->num_real_idxs > kMaxIndexes ||
      table->num_idxs > kMaxIndexes || !mdb_read_columns(table) || table->columns->len != table->num_cols) {
    mdb_free_tabledef(table);
    return;
  }
  table_ = table;
}

TMDBTable::~TMDBTable() {
  if (table_) mdb_free_tabledef(table_);
}

int TMDBTable::RecordCount() {
  if (!table_) return 0;
  return table_->num_rows > 0x7FFFFFFFu ? 0 : static_cast<int>(table_->num_rows);
}

bool TMDBTable::IsTextColumn(int field) const {
  MdbColumn* col = ColumnAt(table_, field);
  return col && (col->col_type == MDB_TEXT || col->col_type == MDB_MEMO);
}

bool TMDBTable::SetIndex(const std::string& name) {
  index_position_ = -1;
  has_row_ = false;
  // The key map of an index is built once; setting it again only resets the current row.
  if (index_ && strcasecmp(index_name_.c_str(), name.c_str()) == 0) return true;
  index_.reset();
  index_name_ = name;
  if (!table_) return false;
  std::vector<int> keys;
  if (int field = FieldIndex(name); field >= 0) {
    keys.push_back(field);
  } else {
    // Not a column's own name: an index defined over other columns ("IDMROrder").
    if (!table_->indices && table_->num_idxs > 0) mdb_read_indices(table_);
    for (guint i = 0; table_->indices && i < table_->indices->len; ++i) {
      auto* idx = static_cast<MdbIndex*>(g_ptr_array_index(table_->indices, i));
      if (!idx || strcasecmp(idx->name, name.c_str()) != 0) continue;
      for (unsigned k = 0; k < idx->num_keys && k < MDB_MAX_IDX_COLS; ++k)
        if (ColumnAt(table_, idx->key_col_num[k] - 1)) keys.push_back(idx->key_col_num[k] - 1);
      break;
    }
  }
  if (keys.empty()) return false;
  std::vector<bool> text_columns;
  for (int k : keys) text_columns.push_back(IsTextColumn(k));
  auto index = std::make_unique<TDAOKeyMap>(text_columns);
  mdb_rewind_table(table_);
  while (FetchRow()) {
    index->AddRow(Place(row_page_, table_->cur_row - 1));
    for (size_t k = 0; k < keys.size(); ++k) {
      if (text_columns[k]) {
        index->SetText(static_cast<int>(k), FieldText(keys[k]));
      } else {
        bool present = false;
        int64_t value = NumberValue(keys[k], present);
        if (present) index->SetNumber(static_cast<int>(k), value);
      }
    }
  }
  index->Sort();
  index_ = std::move(index);
  has_row_ = false;
  return true;
}

bool TMDBTable::FetchRow() {
  MdbHandle* mdb = handle_->Mdb();
  // Another table object may have read a page since this walk's last row: libmdb's walk goes on
  // from the page in the handle's buffer, so bring this walk's page back first.
  if (table_->cur_pg_num && table_->cur_phys_pg && mdb->cur_pg != table_->cur_phys_pg)
    mdb_read_pg(mdb, table_->cur_phys_pg);
  has_row_ = mdb_fetch_row(table_) != 0;
  row_page_ = table_->cur_phys_pg;
  return has_row_;
}

bool TMDBTable::LoadPlace(uint64_t place) {
  MdbHandle* mdb = handle_->Mdb();
  const uint32_t page = static_cast<uint32_t>(place >> 16);
  has_row_ = page < handle_->PageCount() && mdb_read_pg(mdb, page) == handle_->PageSize() &&
             mdb_read_row(table_, static_cast<unsigned>(place & 0xFFFF)) != 0;
  row_page_ = page;
  return has_row_;
}

bool TMDBTable::StepIndex(int position) {
  index_position_ = position;
  while (index_position_ >= 0 && index_position_ < index_->Count()) {
    if (LoadPlace(index_->PlaceAt(index_position_))) return true;
    ++index_position_;
  }
  index_position_ = -1;
  has_row_ = false;
  return false;
}

bool TMDBTable::SeekPosition(int position) {
  if (position >= 0 && StepIndex(position) && index_position_ == position) return true;
  index_position_ = -1;
  has_row_ = false;
  return false;
}

void TMDBTable::First() {
  has_row_ = false;
  if (!table_) return;
  if (index_) {
    StepIndex(0);
    return;
  }
  mdb_rewind_table(table_);
  FetchRow();
}

void TMDBTable::Next() {
  if (!table_ || !has_row_) return;
  if (index_) {
    StepIndex(index_position_ + 1);
    return;
  }
  FetchRow();
}

bool TMDBTable::End() { return !has_row_; }

bool TMDBTable::SeekEqual(int32_t key) {
  has_row_ = false;
  if (!index_) return false;
  return SeekPosition(index_->Find(static_cast<int64_t>(key)));
}

bool TMDBTable::SeekEqual(const std::string& key) {
  has_row_ = false;
  if (!index_) return false;
  return SeekPosition(index_->Find(key));
}

int TMDBTable::FieldCount() { return table_ ? static_cast<int>(table_->columns->len) : 0; }

int TMDBTable::FieldIndex(const std::string& name) {
  if (!table_) return -1;
  for (guint i = 0; i < table_->columns->len; ++i)
    if (strcasecmp(ColumnAt(table_, static_cast<int>(i))->name, name.c_str()) == 0)
      return static_cast<int>(i);
  return -1;
}

void* TMDBTable::ValueColumn(int field, int& start, int& size) {
  MdbColumn* col = ColumnAt(table_, field);
  if (!col || !has_row_) return nullptr;
  MdbHandle* mdb = handle_->Mdb();
  if (mdb->cur_pg != row_page_ && mdb_read_pg(mdb, row_page_) != handle_->PageSize()) return nullptr;
  start = col->cur_value_start;
  size = col->cur_value_len;
  if (col->col_type == MDB_BOOL) return col;
  if (start < 0 || size <= 0 || start + size > handle_->PageSize()) return nullptr;
  return col;
}

int64_t TMDBTable::NumberValue(int field, bool& present) {
  present = false;
  int start = 0, size = 0;
  auto* col = static_cast<MdbColumn*>(ValueColumn(field, start, size));
  if (!col) return 0;
  const unsigned char* p = handle_->Mdb()->pg_buf + start;
  present = true;
  switch (col->col_type) {
    case MDB_BOOL:
      // libmdb keeps a Boolean's null bit (the value itself) in the value length: 0 is true.
      return col->cur_value_len == 0 ? -1 : 0;
    case MDB_BYTE:
      return p[0];
    case MDB_INT:
      return size >= 2 ? static_cast<int16_t>(Little(p, 2)) : 0;
    case MDB_LONGINT:
      return size >= 4 ? static_cast<int32_t>(Little(p, 4)) : 0;
    case MDB_MONEY:
      return size >= 8 ? Little(p, 8) / 10000 : 0;
    case MDB_FLOAT: {
      if (size < 4) return 0;
      uint32_t bits = static_cast<uint32_t>(Little(p, 4));
      float f;
      std::memcpy(&f, &bits, sizeof f);
      return TruncatedNumber(f);
    }
    case MDB_DOUBLE:
      return size >= 8 ? TruncatedNumber(DoubleAt(p)) : 0;
    case MDB_DATETIME: {
      int y, m, d, hh, mm, ss;
      if (size < 8 || !JetDateParts(DoubleAt(p), y, m, d, hh, mm, ss)) return 0;
      return static_cast<int64_t>(y) * 10000 + m * 100 + d;
    }
    default:
      present = false;
      return 0;
  }
}

int32_t TMDBTable::FieldInt(int field) {
  if (IsTextColumn(field)) return DAOStrictInt(FieldText(field));
  bool present = false;
  int64_t value = NumberValue(field, present);
  return value >= INT32_MIN && value <= INT32_MAX ? static_cast<int32_t>(value) : 0;
}

std::string TMDBTable::FieldText(int field) {
  int start = 0, size = 0;
  auto* col = static_cast<MdbColumn*>(ValueColumn(field, start, size));
  if (!col) return std::string();
  MdbHandle* mdb = handle_->Mdb();
  const bool jet3 = mdb->f->jet_version == MDB_VER_JET3;
  switch (col->col_type) {
    case MDB_TEXT:
    case MDB_MEMO: {
      std::string bytes;
      if (col->col_type == MDB_TEXT)
        bytes.assign(reinterpret_cast<const char*>(mdb->pg_buf + start), size);
      else
        bytes = handle_->ReadLongValue(start, size);
      if (jet3) return bytes;
      return Utf8ToAnsi(JetTextToUtf8(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    }
    case MDB_DATETIME: {
      int y, m, d, hh, mm, ss;
      if (size < 8 || !JetDateParts(DoubleAt(mdb->pg_buf + start), y, m, d, hh, mm, ss)) return std::string();
      char text[32];
      if (hh || mm || ss)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", y, m, d, hh, mm, ss);
      else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
      return text;
    }
    case MDB_BOOL:
      return col->cur_value_len == 0 ? "True" : "False";
    case MDB_FLOAT:
    case MDB_DOUBLE: {
      if (size < (col->col_type == MDB_FLOAT ? 4 : 8)) return std::string();
      double d;
      if (col->col_type == MDB_FLOAT) {
        uint32_t bits = static_cast<uint32_t>(Little(mdb->pg_buf + start, 4));
        float f;
        std::memcpy(&f, &bits, sizeof f);
        d = f;
      } else {
        d = DoubleAt(mdb->pg_buf + start);
      }
      char text[40];
      std::snprintf(text, sizeof text, "%.15g", d);
      return text;
    }
    default: {
      bool present = false;
      int64_t value = NumberValue(field, present);
      return present ? std::to_string(value) : std::string();
    }
  }
}
