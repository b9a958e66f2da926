#pragma once

#include <string>

#include "formats/legacy/LEGTable.h"

// "TBLHR" (the file's settings): one row per "Item" with its "Setting".
class WLEGTabHR : public WLEGTable {
 public:
  explicit WLEGTabHR(TDAODatabase& database) : WLEGTable(database, "TBLHR", "Item") { UseSeekIndex(); }
  // The setting of that item; "" when the file has none.
  std::string Setting(const std::string& item) { return SeekText(item) ? Text("Setting") : std::string(); }
};
