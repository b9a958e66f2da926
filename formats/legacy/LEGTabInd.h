#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/legacy/LEGTable.h"

// "TBLIR" (individuals).  Import keeps every row's "IDIR" (not 0) in ascending order, which
// numbers the individuals, and, with the option LEGCacheNames, the four name parts.
class WLEGTabInd : public WLEGTable {
 public:
  struct Entry {
    int32_t idir = 0;
    // Kept only with the name cache: the first 120 (surname, given names) or 50 (prefix, title)
    // characters.
    std::string surname, given, prefix, title;
  };
  static constexpr size_t kNameCut = 120;
  static constexpr size_t kTitleCut = 50;

  explicit WLEGTabInd(TDAODatabase& database) : WLEGTable(database, "TBLIR", "IDIR") {}
  bool Load() override;

  int Count() const { return static_cast<int>(entries_.size()); }
  // Entry of individual number n (1-based); n must be in 1..Count().
  const Entry& At(int n) const { return entries_[n - 1]; }
  // The individual number of an "IDIR"; 0 when absent.
  int NumberOf(int32_t idir) const;
  bool NamesCached() const { return names_cached_; }

 private:
  std::vector<Entry> entries_;
  bool names_cached_ = false;
};
