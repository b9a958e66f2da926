#pragma once

#include <cstdint>
#include <vector>

#include "formats/legacy/LEGTable.h"

// "TBLCR" (a child in a family).  Import keeps every row with "IDCR" > 0, walked in the order of
// the family and the child's place in it, then sorted by the child's "IDIR".
class WLEGTabCR : public WLEGTable {
 public:
  struct Entry {
    int32_t idcr = 0, idmr = 0, idir = 0, order = 0;
  };

  explicit WLEGTabCR(TDAODatabase& database) : WLEGTable(database, "TBLCR", "IDCR") {}
  bool Load() override;

  int Count() const { return static_cast<int>(entries_.size()); }
  const Entry& At(int i) const { return entries_[i]; }
  // One row of that child (the first by "IDIR"); none when the person is nobody's child.
  const Entry* FindChild(int32_t idir) const;

 private:
  std::vector<Entry> entries_;
};
