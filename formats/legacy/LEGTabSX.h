#pragma once

#include <cstdint>
#include <vector>

#include "formats/legacy/LEGTable.h"

// "TBLSX" (citations: a source linked to an owner).  Import keeps every row with "IDSX" > 0,
// sorted by the owner's identifier ("IDIME"); "Type" tells what kind of owner it is.
class WLEGTabSX : public WLEGTable {
 public:
  struct Entry {
    int32_t idsx = 0, idsr = 0, owner = 0, type = 0;
  };
  // Most citations listed for one owner and type.
  static constexpr size_t kMaxCitations = 500;

  explicit WLEGTabSX(TDAODatabase& database) : WLEGTable(database, "TBLSX", "IDSX") {}
  bool Load() override;

  int Count() const { return static_cast<int>(entries_.size()); }
  // The "IDSX" of the citations of one owner and type, in order.  Every record builds its own
  // list, so no list is ever shared between two owners.
  std::vector<int32_t> CitationsOf(int32_t owner, int32_t type) const;

 private:
  std::vector<Entry> entries_;
};
