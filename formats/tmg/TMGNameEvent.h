#pragma once

#include <memory>
#include <vector>

#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"
#include "model/ABSVitEvent.h"
#include "model/RecNo.h"

class WTMGCollection;

// An alternate name of a person, shown among the person's other events: named by the name's
// tag type, described by the name itself, dated by the name's date.
class WTMGNameEvent : public WABSVitEvent {
 public:
  WTMGNameEvent(WTMGCollection& collection, int name_pos, RecNo person);

  void LoadDate() override;
  std::unique_ptr<WABSPlace> GetPlace() override { return nullptr; }
  int CitationCount() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  bool HasNote() override { return GetNote() != nullptr; }
  // The name's memo, with the name's sentence when sentences are shown.
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  WTMGCollection& collection_;
  int name_pos_;
  RecNo person_;
  int type_;
  std::vector<int> citations_;
  bool citations_found_ = false;
};
