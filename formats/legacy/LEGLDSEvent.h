#pragma once

#include <cstdint>
#include <memory>

#include "formats/legacy/LEGEventParts.h"
#include "model/ABSLDSEvent.h"

// An LDS ordinance: a person's baptism (7) or endowment (8) from the "TBLIR" row, the sealing to
// parents (9) from one of the person's "TBLCR" rows, or a family's sealing to spouse (10) from
// the "TBLMR" row.  Ordinances have no notes.
class WLEGLDSEvent : public WABSLDSEvent {
 public:
  static constexpr int kSealingToSpouse = 10;

  WLEGLDSEvent(WLEGCollection& collection, int kind, WLEGEventParts parts);

  void LoadDate() override;
  std::unique_ptr<WABSPlace> GetPlace() override { return parts_.MakePlace(); }
  int CitationCount() override { return parts_.citations.Count(); }
  std::unique_ptr<WABSCitation> GetCitation(int i) override { return parts_.citations.Get(collection_, i); }
  bool HasNote() override { return false; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

  // The person's ordinance of kind 7, 8 or 9; none when it has neither a date nor a temple
  // (a temple identifier of 1 stands for none).
  static std::unique_ptr<WLEGLDSEvent> OfPerson(WLEGCollection& collection, int32_t idir, int kind);
  // The family's sealing to spouse; none under the same rule.
  static std::unique_ptr<WLEGLDSEvent> OfFamily(WLEGCollection& collection, int32_t idmr);

 private:
  WLEGCollection& collection_;
  WLEGEventParts parts_;
};
