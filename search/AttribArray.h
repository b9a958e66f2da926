#pragma once

#include <cstdint>

#include "base/ABSArrayIndex.h"
#include "model/RecNo.h"

class WAttrib;
class WCollectionIterator;

// The sort keys of one attribute over a list of individuals: one fixed-size element per
// record number 1..IndividualCount, computed once before the sort so that sorting never
// reads a record.  The members differ in the element and in how it is filled.
class WAttribArray : public WABSArrayIndex {
 public:
  WAttribArray(WCollectionIterator* list, int32_t element_size, int32_t count, WAttrib* attribute);

  WCollectionIterator* List() const { return list_; }
  // The attribute's column and data type (the attribute itself may be freed once the
  // keys are built).
  int Column() const { return column_; }
  int DataType() const { return data_type_; }
  // False when building stopped because the cancel flag was set.
  bool Complete() const { return complete_; }

  // The four orders of two keys: < 0, 0 or > 0.
  // Bytes as unsigned values; a key that is a prefix of the other comes first.
  static int CompareText(const char* a, const char* b);
  static int CompareInteger(int32_t a, int32_t b) { return a < b ? -1 : a > b ? 1 : 0; }
  // "a:b" keys by the number before, then the number after the first ":"; text order
  // unless both keys hold a ":".
  static int ComparePair(const char* a, const char* b);
  // A shorter key first; keys of equal length in text order ("I9" < "I10" < "I100").
  static int CompareID(const char* a, const char* b);

  // Keys are built in steps of this many list positions, yielding to the user interface
  // after each step.
  static constexpr int kYieldEvery = 50;

 protected:
  // Fills every element from the attribute.  Called by the members' constructors.
  void Build(WAttrib& attribute);
  // Computes the key of individual n into its element (zero bytes on entry).
  virtual void MakeKey(WAttrib& attribute, RecNo n, uint8_t* element) = 0;
  // Element n; nullptr outside 1..Count().
  const uint8_t* Element(RecNo n) const { return IsValid(n) ? Record(n) : nullptr; }

 private:
  WCollectionIterator* list_;
  int column_;
  int data_type_;
  bool complete_ = false;
};
