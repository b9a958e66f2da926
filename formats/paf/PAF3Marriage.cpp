#include "formats/paf/PAF3Marriage.h"

#include "formats/paf/PAF3LDSEvent.h"

std::unique_ptr<WABSLDSEvent> WPAF3Marriage::NewSealing(uint64_t ordinance) {
  return std::make_unique<WPAF3LDSEvent>(collection_, ordinance);
}
