#include "formats/paf/PAF4VitEvent.h"

#include "formats/paf/PAF4VitPlace.h"

std::unique_ptr<WABSPlace> WPAF4VitEvent::GetPlace() {
  return std::make_unique<WPAF4VitPlace>(collection_, event_);
}
