#pragma once

#include <memory>

#include "base/Errors.h"
#include "model/ABSIndividual.h"
#include "model/ABSMarriage.h"
#include "support/MemCollection.h"

// An in-memory collection in which one individual and one family cannot be read: asking
// for them raises the reader's record error, as a damaged file would.
class BrokenCollection : public MemCollection {
 public:
  RecNo broken = 0;
  RecNo broken_family = 0;
  std::unique_ptr<WABSIndividual> GetIndividual(RecNo rec_no) override {
    if (rec_no == broken) throw EMemoryError(FormatMessage("Error getting pointer to individual %d", rec_no));
    return MemCollection::GetIndividual(rec_no);
  }
  std::unique_ptr<WABSMarriage> GetFamily(RecNo rec_no) override {
    if (rec_no == broken_family)
      throw EMemoryError(FormatMessage("Error getting pointer to family %d", rec_no));
    return MemCollection::GetFamily(rec_no);
  }
};
