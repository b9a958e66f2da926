#pragma once

#include <cstdint>
#include <vector>

#include "formats/legacy/LEGTable.h"

// "TBLSR" (sources).  Import keeps every "IDSR" of at least 1 in index order, which numbers the
// sources.
class WLEGTabSR : public WLEGTable {
 public:
  explicit WLEGTabSR(TDAODatabase& database) : WLEGTable(database, "TBLSR", "IDSR") {}
  bool Load() override;

  int Count() const { return static_cast<int>(ids_.size()); }
  int32_t IdOf(int n) const { return ids_[n - 1]; }

 private:
  std::vector<int32_t> ids_;
};
