#pragma once

#include <cstdint>
#include <vector>

#include "formats/legacy/LEGTable.h"

// "TBLER" (events).  Import keeps every row with "IDER" > 0, sorted by the person ("IDIR") and
// then by the event's place among the person's ("Order").
class WLEGTabER : public WLEGTable {
 public:
  struct Entry {
    int32_t ider = 0, idir = 0, type = 0, order = 0;
  };
  // Most events listed for one person.
  static constexpr size_t kMaxEvents = 2048;

  explicit WLEGTabER(TDAODatabase& database) : WLEGTable(database, "TBLER", "IDER") {}
  bool Load() override;

  int Count() const { return static_cast<int>(entries_.size()); }
  // The "IDER" of a person's own events ("IDType" 0) in order.
  std::vector<int32_t> EventsOf(int32_t idir) const;

 private:
  std::vector<Entry> entries_;
};
