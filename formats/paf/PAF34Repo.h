#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/CheckedView.h"
#include "model/ABSRepo.h"

class WPAFCollection;

// A repository record of versions 3 and 4 (299 bytes): the name at 1, 92 bytes, then its address.  A
// repository whose record cannot be located answers everything empty.
class WPAF34Repo : public WABSRepo {
 public:
  // On the repository record at `record` (0: absent).
  WPAF34Repo(WPAFCollection& collection, uint64_t record);

  std::string GetName() override;
  // None when the record is absent.
  std::unique_ptr<WABSAddress> GetAddress() override;
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  WCheckedView view_;
  uint64_t record_;
};
