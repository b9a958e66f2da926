#include "formats/paf/PAF5LDSEvent.h"

#include "formats/paf/PAF5LDSPlace.h"
#include "model/ABSNote.h"

namespace {

constexpr uint64_t kTempleFlag = 20;

}  // namespace

std::unique_ptr<WABSPlace> WPAF5LDSEvent::GetPlace() {
  temple_present_ = view_.U8(ordinance_ + kTempleFlag) == 1;
  return std::make_unique<WPAF5LDSPlace>(collection_, ordinance_);
}

bool WPAF5LDSEvent::HasNote() { return false; }

std::unique_ptr<WABSNote> WPAF5LDSEvent::GetNote() { return nullptr; }
