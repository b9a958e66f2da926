#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/CheckedView.h"
#include "formats/paf/PAFCitationList.h"
#include "model/ABSPlace.h"

class WPAFCollection;

// The place of a PAF event or ordinance, with the citation chain that starts at a link the
// event holds.
class WPAFPlace : public WABSPlace {
 public:
  // `citations` is the file offset of the link that starts the citation chain (0: none).
  WPAFPlace(WPAFCollection& collection, uint64_t citations);

  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  // Builds the citation list once.
  virtual void LoadCitations();

 protected:
  WPAFCollection& collection_;
  WCheckedView view_;
  uint64_t first_citation_;
  WPAFCitationList citations_;
};
