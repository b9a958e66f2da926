#pragma once

#include <cstdint>

#include "base/ABSIterator.h"
#include "model/RecNo.h"

class WABSCollection;

// The record numbers of all individuals of a collection, in display order, with a current
// position.  The list fills itself on first use.  The collection is not owned and must
// outlive the list.
//
// First, Next, Prior, Last and Get answer record numbers (0 past the ends) instead of the
// record addresses of the array underneath.
class WCollectionIterator : public WABSIterator {
 public:
  // `capacity` only sizes the storage.
  WCollectionIterator(WABSCollection* collection, int32_t capacity);

  // Appends DisplayToRecord(i) for every display position i (once).
  virtual void Fill();
  bool IsFilled() const { return filled_; }
  // Fills if needed, then the number of entries.
  int32_t Count() const override;

  RecNo First() { return Get(1); }
  RecNo Next() { return Get(Current() + 1); }
  RecNo Prior() { return Get(Current() - 1); }
  RecNo Last() { return Get(Count()); }
  // The record number at position i, which becomes current; 0 (and no current position)
  // outside 1..Count().  Fills if needed.
  virtual RecNo Get(int32_t i);

  WABSCollection* Collection() const { return collection_; }

 protected:
  void EnsureFilled() const {
    if (!filled_) const_cast<WCollectionIterator*>(this)->Fill();
  }
  // The record number stored as entry k (1 <= k <= Count()).
  RecNo Entry(int32_t k) const;

  WABSCollection* collection_;

 private:
  bool filled_ = false;
};
