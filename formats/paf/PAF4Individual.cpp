#include "formats/paf/PAF4Individual.h"

#include "base/TextUtils.h"
#include "formats/paf/PAF4Collection.h"
#include "formats/paf/PAF4LDSEvent.h"
#include "formats/paf/PAF4Name.h"
#include "formats/paf/PAF4VitEvent.h"

namespace {

// Individual extension record.
constexpr uint64_t kFirstOtherEvent = 4;
// Other-event record.
constexpr uint64_t kDescription = 13;
constexpr uint64_t kEventType = 17;
constexpr uint64_t kEvent = 21;

}  // namespace

WPAF4Individual::WPAF4Individual(WPAF4Collection& collection, RecNo position, int32_t rin, uint64_t record)
    : WPAF34Individual(collection, position, rin, record),
      collection4_(collection),
      extension_(collection.IndividualExtPos(rin)) {}

void WPAF4Individual::BindExtras() { extension_ = collection4_.IndividualExtPos(rin_); }

void WPAF4Individual::LoadOtherEvents() {
  if (others_loaded_) return;
  others_loaded_ = true;
  if (extension_) CollectOtherEvents(view_.I32LE(extension_ + kFirstOtherEvent));
}

std::unique_ptr<WABSVitEvent> WPAF4Individual::GetOtherEvent(int i) {
  LoadOtherEvents();
  if (i < 1 || i > static_cast<int>(other_events_.size())) return nullptr;
  const uint64_t record = other_events_[i - 1];
  auto event = std::make_unique<WPAF4VitEvent>(collection_, record + kEvent);
  // The texts of version 4 other events are stored in ANSEL.
  event->ReadOtherEvent(record, kEventType, kDescription, AnselToAnsi);
  return event;
}

std::unique_ptr<WABSName> WPAF4Individual::NewName() {
  return std::make_unique<WPAF4Name>(collection_, record_, extension_);
}

std::unique_ptr<WABSVitEvent> WPAF4Individual::NewVitEvent(uint64_t event) {
  return std::make_unique<WPAF4VitEvent>(collection_, event);
}

std::unique_ptr<WABSLDSEvent> WPAF4Individual::NewLDSEvent(uint64_t ordinance) {
  if (!extension_) return nullptr;
  return std::make_unique<WPAF4LDSEvent>(collection_, ordinance, extension_);
}
