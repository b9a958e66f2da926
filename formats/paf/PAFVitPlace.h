#pragma once

#include <memory>

#include "formats/paf/PAFPlace.h"

// The place of an event: it shares the event's citations and has no note.
class WPAFVitPlace : public WPAFPlace {
 public:
  // On the event bytes at `event`.
  WPAFVitPlace(WPAFCollection& collection, uint64_t event);

  std::unique_ptr<WABSNote> GetNote() override;

 protected:
  uint64_t event_;
};
