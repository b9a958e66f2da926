#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ABSCitation.h"

class WTMGCollection;

// A citation (a row of the citations table): its source and its own memo.
class WTMGCitation : public WABSCitation {
 public:
  WTMGCitation(WTMGCollection& collection, int citation_pos);

  std::string GetDetail() override { return std::string(); }
  std::unique_ptr<WABSNote> GetNote() override;
  // The cited source; none when the citation names no source the project holds.
  std::unique_ptr<WABSSource> GetSource() override;

  // The i-th (1-based) of a record's citation positions; none outside the list.
  static std::unique_ptr<WABSCitation> At(WTMGCollection& collection, const std::vector<int>& citations,
                                          int i);

 private:
  WTMGCollection& collection_;
  int pos_;
};
