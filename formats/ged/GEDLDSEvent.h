#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "formats/ged/GEDSubLines.h"
#include "model/ABSLDSEvent.h"

class WGEDCollection;
class WGEDTextMMF;

// An LDS ordinance line of a GEDCOM record: BAPL or CONS (kind 7), ENDL (8), SLGC (9),
// or a sealing to a spouse, SLGS (kind 0).
class WGEDLDSEvent : public WABSLDSEvent {
 public:
  WGEDLDSEvent(WGEDCollection& collection, const char* line);

  // The DATE line's value; without one, the status word of the STAT line; without
  // that, the QUAL line from its tag on.
  void LoadDate() override;
  // Always a place: the later of the PLAC and TEMP lines (a temple code), or a place
  // with an empty name.
  std::unique_ptr<WABSPlace> GetPlace() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  bool HasNote() override;
  std::unique_ptr<WABSNote> GetNote() override;

  bool HasTemple() const { return lines_.temple != nullptr; }

 private:
  WGEDCollection& collection_;
  const WGEDTextMMF& text_;
  const char* line_;
  WGEDSubLines::EventLines lines_;
};
