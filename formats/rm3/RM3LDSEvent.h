#pragma once

#include <memory>
#include <string>

#include "formats/rm3/RM3EventRow.h"
#include "model/ABSLDSEvent.h"

class WRM3Collection;

// An LDS ordinance from table E: its date is the status word when the STATUS code has one,
// and its place may be a temple.  The type name is the fact type's name and number when a
// fact type is given and exists.
class WRM3LDSEvent : public WABSLDSEvent {
 public:
  WRM3LDSEvent(WRM3Collection& collection, int pos, int fact_type, int kind);

  void LoadDate() override;
  std::unique_ptr<WABSPlace> GetPlace() override { return row_.Place(true); }
  int CitationCount() override { return row_.CitationCount(); }
  std::unique_ptr<WABSCitation> GetCitation(int i) override { return row_.Citation(i); }
  bool HasNote() override { return GetNote() != nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return row_.Note(); }

 private:
  WRM3EventRow row_;
};
