#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/tmg/TMGTable.h"

// The source elements (U): each element name ("[AUTHOR]") with the group that says which piece
// of a source's element list holds it.
class WTMGTabU : public WTMGTable {
 public:
  explicit WTMGTabU(Opened opened);

  // The group of the first element whose name and the text agree on their common length
  // (letters compared exactly); 0 when none.  A row with an empty name names nothing.
  int ElementGroup(std::string_view name) const;

 private:
  int element_, groupnum_;
  // The table's rows (name, group), read on first use: the table is small and asked often.
  mutable std::vector<std::pair<std::string, int>> elements_;
  mutable bool read_ = false;
};
