#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/CheckedView.h"
#include "formats/paf/PAFCitationList.h"
#include "formats/paf/PAFLayout.h"
#include "model/ABSMarriage.h"

class WPAFCollection;

// A family of a PAF file, read from its marriage record M.  Its children are the people the
// chain of child links from M names, as list positions; the spouses are list positions too.
// A family whose record cannot be located has no record: every answer is empty.
class WPAFMarriage : public WABSMarriage {
 public:
  static constexpr int kMaxChildren = 501;

  // Family number `mrin` on the marriage record at `record` (0: no record).
  WPAFMarriage(WPAFCollection& collection, RecNo mrin, uint64_t record);

  // Attaches the family to the record at `record` and builds the child list.
  virtual void BindRecord(uint64_t record);
  // Builds the citation list (the marriage event's citations) once.
  virtual void LoadCitations();

  void LoadDate() override;
  RecNo GetHusband() override;
  RecNo GetWife() override;
  RecNo GetChild(int i) override;
  int SpouseCount() override;
  // By birth date, children without one last (when the setting SortChildren is on).
  void OrderChildren() override;
  int SealingCount() override;
  std::unique_ptr<WABSLDSEvent> GetSealing(int i) override;
  std::string GetRecordText() override;
  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;

 protected:
  // The version's sealing object on the ordinance bytes at `ordinance`.
  virtual std::unique_ptr<WABSLDSEvent> NewSealing(uint64_t ordinance) = 0;
  // The list position of the person whose RIN stands at `offset` of the record; 0 when none.
  RecNo PersonAt(uint32_t offset);

  WPAFCollection& collection_;
  WCheckedView view_;
  const WPAFLayout& layout_;
  uint64_t record_ = 0;

 private:
  std::vector<RecNo> children_;
  WPAFCitationList citations_;
  bool ordered_ = false;
};
