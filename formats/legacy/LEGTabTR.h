#pragma once

#include <string>

#include "formats/legacy/LEGTable.h"

// "TBLTR" (temples): looked up by "IDTR".
class WLEGTabTR : public WLEGTable {
 public:
  explicit WLEGTabTR(TDAODatabase& database) : WLEGTable(database, "TBLTR", "IDTR") {}
  // "Temple" of the row with that identifier; "" when there is none.
  std::string TempleOf(int32_t id) { return id != 0 && Seek(id) ? Text("Temple") : std::string(); }
};
