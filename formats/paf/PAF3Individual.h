#pragma once

#include <memory>

#include "formats/paf/PAF34Individual.h"

// An individual of version 3: no other events, no name prefix.
class WPAF3Individual : public WPAF34Individual {
 public:
  using WPAF34Individual::WPAF34Individual;

  void LoadOtherEvents() override;

 protected:
  std::unique_ptr<WABSVitEvent> GetOtherEvent(int i) override;
  std::unique_ptr<WABSName> NewName() override;
  std::unique_ptr<WABSVitEvent> NewVitEvent(uint64_t event) override;
  std::unique_ptr<WABSLDSEvent> NewLDSEvent(uint64_t ordinance) override;
};
