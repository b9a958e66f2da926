#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/legacy/LEGTable.h"

// "TBLBP" (picture folders).  Import keeps every "IDBP" > 0 with its "PicPath" (255 characters).
class WLEGTabBP : public WLEGTable {
 public:
  struct Entry {
    int32_t idbp = 0;
    std::string path;
  };

  explicit WLEGTabBP(TDAODatabase& database) : WLEGTable(database, "TBLBP", "IDBP") {}
  bool Load() override;

  int Count() const { return static_cast<int>(entries_.size()); }
  const Entry& At(int i) const { return entries_[i]; }
  // The folder of that identifier; none when absent.
  const Entry* Find(int32_t idbp) const;

 private:
  std::vector<Entry> entries_;
};
