#pragma once

#include <memory>

#include "formats/tmg/TMGEvent.h"
#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"
#include "model/ABSVitEvent.h"

// A person's event (or a family's) from the events table, named by a tag type.
class WTMGVitEvent : public WABSVitEvent {
 public:
  // The event at position event_pos, of the model kind `kind`, named by tag type `type` (no
  // name for a type below 1).
  WTMGVitEvent(WTMGCollection& collection, int event_pos, int type, int kind);

  void LoadDate() override;
  void LoadSortDate() override;
  std::unique_ptr<WABSPlace> GetPlace() override { return event_.Place(); }
  int CitationCount() override { return event_.CitationCount(); }
  std::unique_ptr<WABSCitation> GetCitation(int i) override { return event_.Citation(i); }
  bool HasNote() override { return GetNote() != nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return event_.Note(); }

 private:
  WTMGEvent event_;
};
