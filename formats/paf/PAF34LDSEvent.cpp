#include "formats/paf/PAF34LDSEvent.h"

#include "base/Date.h"
#include "formats/paf/PAFCollection.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

namespace {

constexpr uint64_t kDateText = 2;
constexpr uint64_t kTemple = 6;
constexpr uint64_t kNote = 14;

}  // namespace

void WPAF34LDSEvent::LoadDate() {
  if (date_ || view_.I32LE(ordinance_) == 0) return;
  if (view_.I16LE(ordinance_) != 1) {
    WPAFLDSEvent::LoadDate();
    return;
  }
  // A date kept as text, parsed as the user typed it.
  const int32_t pointer = view_.I32LE(ordinance_ + kDateText);
  if (WPAFCollection::IsLink(pointer)) date_ = std::make_unique<WDate>(collection_.TextAt(pointer));
}

std::unique_ptr<WABSPlace> WPAF34LDSEvent::GetPlace() {
  temple_present_ = WPAFCollection::IsLink(view_.I32LE(ordinance_ + kTemple));
  return NewPlace();
}

bool WPAF34LDSEvent::HasNote() { return WPAFCollection::IsLink(view_.I32LE(ordinance_ + kNote)); }

std::unique_ptr<WABSNote> WPAF34LDSEvent::GetNote() {
  const int32_t link = view_.I32LE(ordinance_ + kNote);
  return WPAFCollection::IsLink(link) ? collection_.NewNote(link) : nullptr;
}
