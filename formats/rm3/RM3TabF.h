#pragma once

#include <string>

#include "formats/rm3/RM3DBF.h"

// Table F: families, keyed by FamilyID, with the father's and mother's PersonID.
class WRM3TabF : public WRM3DBF {
 public:
  static constexpr const char* kKey = "FamilyID";

  WRM3TabF(const std::string& directory, const std::string& baseName)
      : WRM3DBF(directory, "F", baseName),
        family_(FieldIndex("familyid")),
        father_(FieldIndex("fatherid")),
        mother_(FieldIndex("motherid")) {}

  int FamilyId(int pos) const { return PosInt(pos, family_); }
  int FatherId(int pos) const { return PosInt(pos, father_); }
  int MotherId(int pos) const { return PosInt(pos, mother_); }

 private:
  int family_, father_, mother_;
};
