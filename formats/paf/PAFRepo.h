#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/CheckedView.h"
#include "formats/paf/PAFLayout.h"
#include "model/ABSRepo.h"

class WPAFCollection;

// A repository record (299 bytes in versions 3 and 4, 497 in version 5): the name, then the
// address (WPAFAddress), where the version's layout puts them.  A repository whose record cannot
// be located answers everything empty.
class WPAFRepo : public WABSRepo {
 public:
  // On the repository record at `record` (0: absent).
  WPAFRepo(WPAFCollection& collection, uint64_t record);

  std::string GetName() override;
  // None when the record is absent.
  std::unique_ptr<WABSAddress> GetAddress() override;
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  WCheckedView view_;
  const WPAFLayout& layout_;
  uint64_t record_;
};
