#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/CheckedView.h"
#include "formats/paf/PAFCitationList.h"
#include "model/ABSLDSEvent.h"

class WPAFCollection;

// An LDS ordinance of a PAF record: its coded date, its temple and its citation chain, read
// from the ordinance's bytes inside an individual, marriage or child-link record.
class WPAFLDSEvent : public WABSLDSEvent {
 public:
  // On the ordinance bytes at `ordinance` (file offset).
  WPAFLDSEvent(WPAFCollection& collection, uint64_t ordinance);

  void LoadDate() override;
  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  // Builds the citation list once.
  virtual void LoadCitations();

  // Set by GetPlace: whether the ordinance counts as done in a temple.
  bool TemplePresent() const { return temple_present_; }

 protected:
  WPAFCollection& collection_;
  WCheckedView view_;
  uint64_t ordinance_;
  bool temple_present_ = false;

 private:
  WPAFCitationList citations_;
};
