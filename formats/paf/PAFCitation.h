#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/CheckedView.h"
#include "model/ABSCitation.h"

class WPAFCollection;

// A citation record of a PAF file: the detail, a note and the source it cites.
class WPAFCitation : public WABSCitation {
 public:
  // On the located citation record at `record`.
  WPAFCitation(WPAFCollection& collection, uint64_t record);

  std::string GetDetail() override;
  // None when the citation has no note (or an empty one).
  std::unique_ptr<WABSNote> GetNote() override;
  // None when the citation names no source that can be located.
  std::unique_ptr<WABSSource> GetSource() override;

 protected:
  WPAFCollection& collection_;
  WCheckedView view_;
  uint64_t record_;
};
