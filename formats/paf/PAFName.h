#pragma once

#include <cstdint>
#include <memory>

#include "base/CheckedView.h"
#include "model/ABSName.h"

class WPAFCollection;

// The name of a PAF individual, read from the individual record R.  PAF names carry no
// citations and no note of their own.
class WPAFName : public WABSName {
 public:
  WPAFName(WPAFCollection& collection, uint64_t record);

  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;

 protected:
  WPAFCollection& collection_;
  WCheckedView view_;
  uint64_t record_;
};
