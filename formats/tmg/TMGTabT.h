#pragma once

#include <string>
#include <vector>

#include "formats/tmg/TMGTable.h"

// The tag types (T), keyed by ETYPENUM: the name of each kind of event, name and relationship,
// its sentence template and its group (ADMIN: 2 father and 3 mother relationships, 12 other
// parent relationships, ...).
class WTMGTabT : public WTMGTable {
 public:
  // Most types one group lists.
  static constexpr size_t kMaxTypesInGroup = 100;

  explicit WTMGTabT(Opened opened);

  // The type's name, trimmed; empty for a type below 1 or one the table lacks.
  std::string TagName(int type) const;
  // The type's sentence template; empty when none.
  std::string TagSentence(int type) const;
  // The type's group; 0 when unknown.
  int TagGroup(int type) const;
  // The types of a group in table order, at most kMaxTypesInGroup.
  std::vector<int> TypesInGroup(int group) const;

 private:
  int Row(int type) const { return type > 0 ? IdToPos(type) : 0; }

  int etypename_, tsentence_, admin_, etypenum_;
};
