#pragma once

#include <memory>
#include <string>

#include "formats/rm3/RM3EventRow.h"
#include "model/ABSVitEvent.h"

class WRM3Collection;

// An event of a person or a family from table E: birth, death, christening, burial (fact
// type 0, no type name) or any other event (its own fact type, named from table T).
class WRM3VitEvent : public WABSVitEvent {
 public:
  WRM3VitEvent(WRM3Collection& collection, int pos, int fact_type, int kind);

  void LoadDate() override;
  void LoadSortDate() override;
  std::string GetDescription() override { return row_.Description(); }
  std::unique_ptr<WABSPlace> GetPlace() override { return row_.Place(false); }
  int CitationCount() override { return row_.CitationCount(); }
  std::unique_ptr<WABSCitation> GetCitation(int i) override { return row_.Citation(i); }
  bool HasNote() override { return GetNote() != nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return row_.Note(); }

 private:
  WRM3EventRow row_;
};
