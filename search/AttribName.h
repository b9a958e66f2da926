#pragma once

#include "search/Attrib.h"

class WABSName;

// A name of the individual: column 6 the full name (with prefix and suffix as the
// "PreSuf" setting asks), column 7 "Surname, Given".  Empty for an individual without a
// name or one that cannot be read.
class WAttribName : public WAttrib {
 public:
  WAttribName(WABSCollection* collection, int column);

  std::string GetText(RecNo n) override;

  // The text of a column for a name that was read already.
  static std::string TextOf(WABSName& name, int column);
};
