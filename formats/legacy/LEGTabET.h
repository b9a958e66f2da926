#pragma once

#include <string>

#include "formats/legacy/LEGTable.h"

// "TBLET" (event types): looked up by "IDET".
class WLEGTabET : public WLEGTable {
 public:
  explicit WLEGTabET(TDAODatabase& database) : WLEGTable(database, "TBLET", "IDET") {}
  // "EventType" of the row with that identifier; "" when there is none.
  std::string EventTypeOf(int32_t id) { return id != 0 && Seek(id) ? Text("EventType") : std::string(); }
};
