#pragma once

#include "search/Attrib.h"

// An identifier of the individual: column 2 is the record identifier (GetID), column 48
// the user reference number (GetReferenceNumber).  The record identifier's data type
// follows the reader: GEDCOM identifiers ("I12") sort shorter first, The Master
// Genealogist 5 identifiers ("12:3") as number pairs, the others as integers.
class WAttribID : public WAttrib {
 public:
  WAttribID(WABSCollection* collection, int column);

  void SetCollection(WABSCollection* collection) override;
  std::string GetText(RecNo n) override;
  // GetID read as a decimal number; 0 when it is not one.
  int32_t GetValue(RecNo n) override;

  // The data type of an attribute column over a collection.
  static int DataTypeFor(WABSCollection* collection, int column);

 private:
  std::string Read(RecNo n, bool reference);
};
