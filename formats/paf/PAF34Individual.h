#pragma once

#include <memory>
#include <string>

#include "formats/paf/PAFIndividual.h"

class WABSName;

// An individual of version 3 or 4: a 298-byte record with name parts as text pointers, four
// vital events and two ordinances of the version 3/4 layout, reference number and AFN as fixed
// fields, and creation and change time stamps.
class WPAF34Individual : public WPAFIndividual {
 public:
  using WPAFIndividual::WPAFIndividual;

  std::string GetReferenceNumber() override;
  std::string GetAFN() override;
  std::unique_ptr<WABSName> GetName() override;

 protected:
  // A vital event when the date or any place part is set and the place parts are not all -1.
  std::unique_ptr<WABSVitEvent> MakeVitalEvent(uint64_t event) override;
  // An ordinance when its date is set (and the version's own conditions hold).
  std::unique_ptr<WABSLDSEvent> MakeLDSEvent(uint64_t ordinance) override;
  uint32_t CreationTimeOffset() const override { return 254; }

  // The version's own objects on this record.
  virtual std::unique_ptr<WABSName> NewName() = 0;
  virtual std::unique_ptr<WABSVitEvent> NewVitEvent(uint64_t event) = 0;
  virtual std::unique_ptr<WABSLDSEvent> NewLDSEvent(uint64_t ordinance) = 0;
};
