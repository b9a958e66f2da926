#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ABSMarriage.h"

class WRM3Collection;

// A family: the row of table F at a position, with its spouses and children from the link
// tables and its events from table E (owner type "F", owner its familyid).  The marriage is
// the last event of type 300 in event order; citations and note come from the first one.
class WRM3Marriage : public WABSMarriage {
 public:
  WRM3Marriage(WRM3Collection& collection, RecNo pos);

  void LoadDate() override;
  void LoadSortDate() override;
  RecNo GetHusband() override;
  RecNo GetWife() override;
  RecNo GetChild(int i) override;
  int SpouseCount() override;
  void OrderChildren() override;
  // True when the row has no familyid.
  bool IsSynthesized() override { return family_id_ < 1; }
  int SealingCount() override;
  std::unique_ptr<WABSLDSEvent> GetSealing(int i) override;
  std::string GetPlaceText() override;
  std::string GetRecordText() override { return std::string(); }
  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  // Positions of the family's events of a fact type, in event order.
  std::vector<int> EventsOfType(int type, size_t at_most) const;
  // Finds the first and the last marriage event once.
  void FindMarriages();

  WRM3Collection& collection_;
  int family_id_ = 0;
  int marriage_ = 0;        // last event of type 300
  int first_marriage_ = 0;  // first event of type 300
  bool marriages_found_ = false;
  std::vector<int> citations_;
  bool citations_found_ = false;
};
