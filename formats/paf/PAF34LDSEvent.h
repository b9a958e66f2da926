#pragma once

#include <memory>

#include "formats/paf/PAFLDSEvent.h"

// An ordinance of versions 3 and 4 (22 bytes): a 6-byte date (or, when its first int16 is 1,
// a pointer at 2 to the date's text), the temple's text pointer at 6, the first citation at 10
// and the note at 14.
class WPAF34LDSEvent : public WPAFLDSEvent {
 public:
  using WPAFLDSEvent::WPAFLDSEvent;

  void LoadDate() override;
  std::unique_ptr<WABSPlace> GetPlace() override;
  bool HasNote() override;
  std::unique_ptr<WABSNote> GetNote() override;

 protected:
  // The version's temple object.
  virtual std::unique_ptr<WABSPlace> NewPlace() = 0;
};
