#pragma once

#include <memory>

#include "formats/paf/PAF34Individual.h"

class WPAF4Collection;

// An individual of version 4: the version 3 record and its extension record X (same RIN),
// which holds the chain of other events, the title (name prefix) and the place its
// ordinances fall back to.  Without X the person has no ordinances, other events or prefix.
class WPAF4Individual : public WPAF34Individual {
 public:
  WPAF4Individual(WPAF4Collection& collection, RecNo position, int32_t rin, uint64_t record);

  void LoadOtherEvents() override;

 protected:
  std::unique_ptr<WABSVitEvent> GetOtherEvent(int i) override;
  std::unique_ptr<WABSName> NewName() override;
  std::unique_ptr<WABSVitEvent> NewVitEvent(uint64_t event) override;
  // None without the extension record.
  std::unique_ptr<WABSLDSEvent> NewLDSEvent(uint64_t ordinance) override;
  void BindExtras() override;

 private:
  WPAF4Collection& collection4_;
  uint64_t extension_;  // X; 0 when it cannot be located
};
