#pragma once

#include "formats/legacy/LEGTable.h"

// "TBLAR" (addresses, the repositories among them): looked up by "IDAR".
class WLEGTabAR : public WLEGTable {
 public:
  explicit WLEGTabAR(TDAODatabase& database) : WLEGTable(database, "TBLAR", "IDAR") {}
};
