#include "formats/paf/PAF3Individual.h"

#include "formats/paf/PAF3LDSEvent.h"
#include "formats/paf/PAF3Name.h"
#include "formats/paf/PAF3VitEvent.h"

void WPAF3Individual::LoadOtherEvents() { others_loaded_ = true; }

std::unique_ptr<WABSVitEvent> WPAF3Individual::GetOtherEvent(int) { return nullptr; }

std::unique_ptr<WABSName> WPAF3Individual::NewName() {
  return std::make_unique<WPAF3Name>(collection_, record_);
}

std::unique_ptr<WABSVitEvent> WPAF3Individual::NewVitEvent(uint64_t event) {
  return std::make_unique<WPAF3VitEvent>(collection_, event);
}

std::unique_ptr<WABSLDSEvent> WPAF3Individual::NewLDSEvent(uint64_t ordinance) {
  return std::make_unique<WPAF3LDSEvent>(collection_, ordinance);
}
