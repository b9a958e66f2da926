#pragma once

#include <memory>
#include <string>

#include "formats/legacy/DAOKeyMap.h"
#include "formats/legacy/MemDatabase.h"

// A cursor over one table of a TMemDatabase.
class TMemTable : public TDAOTable {
 public:
  explicit TMemTable(std::shared_ptr<const TMemDatabase::Table> table);

  int RecordCount() override;
  bool SetIndex(const std::string& name) override;
  void First() override;
  void Next() override;
  bool End() override;
  bool SeekEqual(int32_t key) override;
  bool SeekEqual(const std::string& key) override;
  int FieldCount() override { return static_cast<int>(table_->columns.size()); }
  int FieldIndex(const std::string& name) override;
  int32_t FieldInt(int field) override;
  std::string FieldText(int field) override;

 private:
  const TMemValue* Current(int field) const;

  std::shared_ptr<const TMemDatabase::Table> table_;
  std::unique_ptr<TDAOKeyMap> index_;
  std::string index_name_;
  int position_ = -1;  // in index order when an index is set, else the row number; -1 none
};
