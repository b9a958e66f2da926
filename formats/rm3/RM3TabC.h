#pragma once

#include <string>

#include "formats/rm3/RM3DBF.h"

// Table C: the children of families, one row per child and family.
class WRM3TabC : public WRM3DBF {
 public:
  WRM3TabC(const std::string& directory, const std::string& baseName)
      : WRM3DBF(directory, "C", baseName),
        child_(FieldIndex("CHILDID")),
        family_(FieldIndex("FAMILYID")),
        order_(FieldIndex("CHILDORDER")) {}

  int ChildId(int pos) const { return PosInt(pos, child_); }
  int FamilyId(int pos) const { return PosInt(pos, family_); }
  int ChildOrder(int pos) const { return PosInt(pos, order_); }

 private:
  int child_, family_, order_;
};
