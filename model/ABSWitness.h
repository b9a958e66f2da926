#pragma once

#include "model/ABSEvent.h"

// An event of another person at which this person was a witness.  A witness has no
// place, citations or note of its own.
class WABSWitness : public WABSEvent {
 public:
  std::unique_ptr<WABSPlace> GetPlace() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  bool HasNote() override;
  std::unique_ptr<WABSNote> GetNote() override;

  // The witnessed event's principal person and its second principal; 0 when none.
  virtual RecNo GetPrincipal();
  virtual RecNo GetSecondPrincipal();
};
