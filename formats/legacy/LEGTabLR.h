#pragma once

#include <string>

#include "formats/legacy/LEGTable.h"

// "TBLLR" (places): looked up by "IDLR".
class WLEGTabLR : public WLEGTable {
 public:
  explicit WLEGTabLR(TDAODatabase& database) : WLEGTable(database, "TBLLR", "IDLR") {}
  // "Location" of the row with that identifier; "" when there is none.
  std::string LocationOf(int32_t id) { return id != 0 && Seek(id) ? Text("Location") : std::string(); }
};
