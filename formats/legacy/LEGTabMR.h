#pragma once

#include <cstdint>
#include <vector>

#include "formats/legacy/LEGTable.h"

// "TBLMR" (families).  Import keeps every row's "IDMR" (not 0) with its husband and wife in
// ascending "IDMR" order, which numbers the families.
class WLEGTabMR : public WLEGTable {
 public:
  struct Entry {
    int32_t idmr = 0, husband = 0, wife = 0;
  };

  explicit WLEGTabMR(TDAODatabase& database) : WLEGTable(database, "TBLMR", "IDMR") {}
  bool Load() override;

  int Count() const { return static_cast<int>(entries_.size()); }
  const Entry& At(int n) const { return entries_[n - 1]; }
  // The family number of an "IDMR"; 0 when absent.
  int NumberOf(int32_t idmr) const;

 private:
  std::vector<Entry> entries_;
};
