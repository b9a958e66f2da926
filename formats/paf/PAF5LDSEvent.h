#pragma once

#include <memory>

#include "formats/paf/PAFLDSEvent.h"

// An ordinance of version 5 (21 bytes): a 12-byte date, the temple's text pointer at 12, the
// first citation at 16 and a temple flag at 20.  It has no note.
class WPAF5LDSEvent : public WPAFLDSEvent {
 public:
  using WPAFLDSEvent::WPAFLDSEvent;

  std::unique_ptr<WABSPlace> GetPlace() override;
  bool HasNote() override;
  std::unique_ptr<WABSNote> GetNote() override;
};
