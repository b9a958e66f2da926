#pragma once

#include "search/AttribArray.h"

// Integer keys: the attribute's GetValue.
class WAttribIntArray : public WAttribArray {
 public:
  WAttribIntArray(WCollectionIterator* list, int32_t count, WAttrib* attribute);

  // The key of record n; 0 outside 1..Count().
  int32_t Key(RecNo n) const;

 protected:
  void MakeKey(WAttrib& attribute, RecNo n, uint8_t* element) override;
};
