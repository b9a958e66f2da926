#include "formats/paf/PAF3LDSEvent.h"

#include "formats/paf/PAF3LDSPlace.h"

std::unique_ptr<WABSPlace> WPAF3LDSEvent::NewPlace() {
  return std::make_unique<WPAF3LDSPlace>(collection_, ordinance_);
}
