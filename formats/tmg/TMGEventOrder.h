#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/IntArray.h"

// The events of a project in person order: every event position sorted by its first
// principal, then by its sort date, then by its second principal, ties by position.  Each sort
// date is decoded once into a key (WTMGDate::SortKeyOf), so the sort is a strict order even
// where the date comparison is not (an invalid date sorts before every valid one).
//
// Sorted index i (1-based) gives the event position and its first principal; FirstOf finds
// the run of one person's events.  Events whose first principal is below 1 (no person) are
// only grouped, in position order: no one looks them up.
class WTMGEventOrder {
 public:
  // What the order needs of one event.
  struct EventKeys {
    int32_t per1 = 0;
    int32_t per2 = 0;
    std::string_view sort_date;  // the 30-character sort date (valid until the next event's)
  };
  using KeysOf = std::function<void(int32_t position, EventKeys& keys)>;

  // Sorts positions 1..count.  Yields to the message loop while it reads and sorts; returns
  // false (leaving an empty order) when the import was cancelled.
  bool Build(int32_t count, const KeysOf& keys_of);

  int32_t Count() const { return positions_.Count(); }
  // Event position at sorted index i; 0 outside 1..Count.
  int32_t PositionAt(int32_t i) const { return positions_.GetValue(i); }
  // First principal of the event at sorted index i; 0 outside 1..Count.
  int32_t Per1At(int32_t i) const { return per1_.GetValue(i); }
  // The first sorted index whose event has this first principal; 0 when none.
  int32_t FirstOf(int32_t per1) const;

 private:
  WIntArray positions_;
  WIntArray per1_;
};
