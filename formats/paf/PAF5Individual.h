#pragma once

#include <memory>
#include <string>

#include "formats/paf/PAFIndividual.h"

// An individual of version 5: a 221-byte record whose name, AFN and reference number live in
// a chain of typed text records, with four vital events, two ordinances and a chain of other
// events of the version 5 layout, and a change time stamp.
class WPAF5Individual : public WPAFIndividual {
 public:
  using WPAFIndividual::WPAFIndividual;

  // The value of the typed text record of type 11 (10 for the AFN), as stored.
  std::string GetReferenceNumber() override;
  std::string GetAFN() override;
  std::unique_ptr<WABSName> GetName() override;
  void LoadOtherEvents() override;

 protected:
  // A vital event when its date or its place is set.
  std::unique_ptr<WABSVitEvent> MakeVitalEvent(uint64_t event) override;
  // An ordinance when its date is set.
  std::unique_ptr<WABSLDSEvent> MakeLDSEvent(uint64_t ordinance) override;
  std::unique_ptr<WABSVitEvent> GetOtherEvent(int i) override;

 private:
  // The value of the first typed text record of a type in the record's chain.
  std::string TypedText(int type);
};
