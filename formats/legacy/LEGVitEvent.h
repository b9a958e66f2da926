#pragma once

#include <memory>

#include "formats/legacy/LEGEventParts.h"
#include "model/ABSVitEvent.h"

// A person's event: one of the four vital events kept in the person's own "TBLIR" row, or one
// of the person's other events of "TBLER" (WLEGUVEvent makes those).
class WLEGVitEvent : public WABSVitEvent {
 public:
  WLEGVitEvent(WLEGCollection& collection, int kind, WLEGEventParts parts);

  void LoadDate() override;
  std::unique_ptr<WABSPlace> GetPlace() override { return parts_.MakePlace(); }
  int CitationCount() override { return parts_.citations.Count(); }
  std::unique_ptr<WABSCitation> GetCitation(int i) override { return parts_.citations.Get(collection_, i); }
  bool HasNote() override { return !parts_.note.empty(); }
  std::unique_ptr<WABSNote> GetNote() override { return parts_.MakeNote(); }

  // The vital event of that kind (1 to 4) of the person whose row is current in "TBLIR"; none
  // when both its date and its place text are empty.
  static std::unique_ptr<WLEGVitEvent> OfPerson(WLEGCollection& collection, int32_t idir, int kind);

 protected:
  void ReplaceParts(WLEGEventParts parts) { parts_ = std::move(parts); }

 private:
  WLEGCollection& collection_;
  WLEGEventParts parts_;
};
