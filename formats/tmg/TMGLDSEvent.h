#pragma once

#include <memory>

#include "formats/tmg/TMGEvent.h"
#include "model/ABSCitation.h"
#include "model/ABSLDSEvent.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

// An LDS ordinance from the events table (a person's baptism, endowment or sealing to parents,
// a couple's sealing), named by a tag type; its date serves as its sort date.
class WTMGLDSEvent : public WABSLDSEvent {
 public:
  WTMGLDSEvent(WTMGCollection& collection, int event_pos, int type, int kind);

  void LoadDate() override;
  std::unique_ptr<WABSPlace> GetPlace() override { return event_.Place(); }
  int CitationCount() override { return event_.CitationCount(); }
  std::unique_ptr<WABSCitation> GetCitation(int i) override { return event_.Citation(i); }
  bool HasNote() override { return GetNote() != nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return event_.Note(); }

 private:
  WTMGEvent event_;
};
