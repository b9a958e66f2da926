#include "formats/paf/PAF5VitEvent.h"

#include "formats/paf/PAF5VitPlace.h"

std::unique_ptr<WABSPlace> WPAF5VitEvent::GetPlace() {
  return std::make_unique<WPAF5VitPlace>(collection_, event_);
}
