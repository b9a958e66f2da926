#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/CheckedView.h"
#include "model/ABSRepo.h"

class WPAFCollection;

// A repository record of version 5 (497 bytes): the name at 0, 84 bytes, then its address.  A
// repository whose record cannot be located answers everything empty.
class WPAF5Repo : public WABSRepo {
 public:
  // On the repository record at `record` (0: absent).
  WPAF5Repo(WPAFCollection& collection, uint64_t record);

  std::string GetName() override;
  // None when the record is absent.
  std::unique_ptr<WABSAddress> GetAddress() override;
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  WCheckedView view_;
  uint64_t record_;
};
