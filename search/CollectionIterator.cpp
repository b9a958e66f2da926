#include "search/CollectionIterator.h"

#include <cstring>
#include <string>

#include "model/ABSCollection.h"

WCollectionIterator::WCollectionIterator(WABSCollection* collection, int32_t capacity)
    : WABSIterator(std::string(), false, 4, capacity > 0 ? capacity : 0), collection_(collection) {}

void WCollectionIterator::Fill() {
  if (filled_) return;
  filled_ = true;
  if (!collection_) return;
  const int count = collection_->DisplayCount();
  if (count <= 0) return;
  SetCount(count);
  for (int i = 1; i <= count; ++i) {
    const RecNo n = collection_->DisplayToRecord(i);
    std::memcpy(Record(i), &n, 4);
  }
}

int32_t WCollectionIterator::Count() const {
  EnsureFilled();
  return WABSIterator::Count();
}

RecNo WCollectionIterator::Entry(int32_t k) const {
  RecNo n;
  std::memcpy(&n, WABSArrayIndex::Get(k), 4);
  return n;
}

RecNo WCollectionIterator::Get(int32_t i) {
  EnsureFilled();
  return MoveTo(i) ? Entry(i) : 0;
}
