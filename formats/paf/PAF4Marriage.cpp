#include "formats/paf/PAF4Marriage.h"

#include "formats/paf/PAF4LDSEvent.h"

std::unique_ptr<WABSLDSEvent> WPAF4Marriage::NewSealing(uint64_t ordinance) {
  return std::make_unique<WPAF4LDSEvent>(collection_, ordinance, 0);
}
