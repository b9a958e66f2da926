#pragma once

#include <cstdint>

#include "base/ABSArrayIndex.h"

// Parent-child links read from the relationship table while families are built: one list for
// fathers and one for mothers, each sorted by child, then parent.  A link is marked matched
// once its child has been placed in a family with both parents.
class WTMGRelLink : public WABSArrayIndex {
 public:
  struct Link {
    int32_t child;  // person positions
    int32_t parent;
    int32_t type;  // the relationship's tag type
    uint8_t matched;
    uint8_t unused[3];
  };

  WTMGRelLink();

  void Add(int32_t child, int32_t parent, int32_t type);
  // By child, then parent (then type, so equal links sort the same every time).  False when
  // the import was cancelled.
  bool SortLinks();
  // Link i (1-based); a zero link outside 1..Count.
  Link At(int32_t i) const;
  void MarkMatched(int32_t i);
};
