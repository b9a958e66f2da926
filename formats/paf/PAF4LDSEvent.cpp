#include "formats/paf/PAF4LDSEvent.h"

#include "formats/paf/PAF4LDSPlace.h"

WPAF4LDSEvent::WPAF4LDSEvent(WPAFCollection& collection, uint64_t ordinance, uint64_t extension)
    : WPAF34LDSEvent(collection, ordinance), extension_(extension) {}

std::unique_ptr<WABSPlace> WPAF4LDSEvent::NewPlace() {
  return std::make_unique<WPAF4LDSPlace>(collection_, ordinance_, extension_);
}
