#pragma once

#include "formats/tmg/TMG5PartLookup.h"

// The parts of every name of a 5.x project, by the name's RECNO, from the NPV table: part types
// 3 and 9 are the given names, 5 and 8 the surname, 1 the prefix, 6 the suffix; 2 and 4 fill a
// slot nothing reads; other types are not kept.
class WTMG5NameLookup : public WTMG5PartLookup {
 public:
  enum Part { kGivenNames = 0, kSurname, kPrefix, kSuffix, kUnused, kParts };

  WTMG5NameLookup() : WTMG5PartLookup(kParts) {}

  // The dictionary UID of a part of the name; 0 when none.
  int32_t Uid(int32_t name_recno, Part part) const { return SlotUid(name_recno, part); }

 protected:
  int SlotOfType(int32_t type) const override;
};
