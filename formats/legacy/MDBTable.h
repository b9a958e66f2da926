#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "formats/legacy/DAOKeyMap.h"
#include "formats/legacy/DAOTable.h"

class TMDBHandle;
struct S_MdbTableDef;

// One table of a Jet file read through libmdb.  A walk in table order is libmdb's row fetch; an
// index is a key map built by one walk the first time the index is set, after which every seek
// or step re-reads one row from its page.  Field values are decoded from the row's bytes when
// asked: integers as stored, texts from UCS-2 to Windows-1252, memos from their long-value
// pages, dates from the stored number of days.
class TMDBTable : public TDAOTable {
 public:
  // Reads the table's definition; raises nothing, but Valid() is false when it cannot be read.
  TMDBTable(std::shared_ptr<TMDBHandle> handle, void* catalog_entry);
  ~TMDBTable() override;
  bool Valid() const { return table_ != nullptr; }

  int RecordCount() override;
  bool SetIndex(const std::string& name) override;
  void First() override;
  void Next() override;
  bool End() override;
  bool SeekEqual(int32_t key) override;
  bool SeekEqual(const std::string& key) override;
  int FieldCount() override;
  int FieldIndex(const std::string& name) override;
  int32_t FieldInt(int field) override;
  std::string FieldText(int field) override;

 private:
  // The next row of libmdb's walk in table order; false at the end.
  bool FetchRow();
  // Makes the row at a place (page << 16 | row) current; false when it cannot be read.
  bool LoadPlace(uint64_t place);
  // Makes the row at an index position current, or the next one that can be read.
  bool StepIndex(int position);
  // A seek's result: the row at exactly that position, else no current row.
  bool SeekPosition(int position);
  // The column when the current row's value of it lies wholly inside the page; else none.
  void* ValueColumn(int field, int& start, int& size);
  bool IsTextColumn(int field) const;
  int64_t NumberValue(int field, bool& present);

  std::shared_ptr<TMDBHandle> handle_;
  S_MdbTableDef* table_ = nullptr;
  std::unique_ptr<TDAOKeyMap> index_;
  std::string index_name_;
  int index_position_ = -1;
  bool has_row_ = false;
  uint32_t row_page_ = 0;
};
