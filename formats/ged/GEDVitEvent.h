#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "formats/ged/GEDSubLines.h"
#include "model/ABSVitEvent.h"

class WGEDCollection;
class WGEDTextMMF;

// An event line of a GEDCOM individual (BIRT, DEAT, OCCU, ...).  The kind and the type
// name come from the tag; the sub-lines below the event line are found by depth when
// the object is made, and their text is read when asked for.
class WGEDVitEvent : public WABSVitEvent {
 public:
  WGEDVitEvent(WGEDCollection& collection, const char* line);

  void LoadDate() override;
  // The event line's own value, then ", " and the cause when there is one.
  std::string GetDescription() override;
  std::unique_ptr<WABSPlace> GetPlace() override;
  std::unique_ptr<WABSCitation> GetCitation(int i) override;
  bool HasNote() override;
  std::unique_ptr<WABSNote> GetNote() override;

  // The kind and the type name ("Occupation"; empty for the four vital events and for
  // unknown tags) an event line with this tag gets.  Returns true for the other-event
  // tags, which an individual lists among its other events.
  static bool KindOfTag(uint32_t tag, int& kind, const char*& type_name);

 private:
  WGEDCollection& collection_;
  const WGEDTextMMF& text_;
  const char* line_;
  WGEDSubLines::EventLines lines_;
};
