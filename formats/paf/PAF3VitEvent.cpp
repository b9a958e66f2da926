#include "formats/paf/PAF3VitEvent.h"

#include "formats/paf/PAF3VitPlace.h"

std::unique_ptr<WABSPlace> WPAF3VitEvent::GetPlace() {
  return std::make_unique<WPAF3VitPlace>(collection_, event_);
}
