#include "formats/paf/PAF5Individual.h"

#include "base/ChainGuard.h"
#include "base/TextUtils.h"
#include "formats/paf/PAF5LDSEvent.h"
#include "formats/paf/PAF5Name.h"
#include "formats/paf/PAF5VitEvent.h"
#include "formats/paf/PAFCollection.h"

namespace {

// Individual record.
constexpr uint64_t kFirstTypedText = 0;
constexpr uint64_t kFirstOtherEvent = 28;
// Event: the place pointer after the 12-byte date.
constexpr uint64_t kPlace = 12;
// Other-event record.
constexpr uint64_t kDescription = 12;
constexpr uint64_t kEventType = 16;
constexpr uint64_t kEvent = 20;
// Typed text record.
constexpr uint64_t kTextType = 12;
constexpr uint64_t kTextValue = 15;
constexpr int kAfnType = 10;
constexpr int kReferenceType = 11;
// No person has more typed texts than this.
constexpr uint64_t kMaxTypedTexts = 1000;

}  // namespace

std::string WPAF5Individual::TypedText(int type) {
  if (!record_) return std::string();
  WChainGuard guard(1, static_cast<int64_t>(view_.Size()), kMaxTypedTexts);
  guard.ReportDamageTo(view_.DamageLog());
  for (int32_t pointer = view_.I32LE(record_ + kFirstTypedText); guard.Step(pointer);) {
    const uint64_t text = static_cast<uint64_t>(pointer);
    if (!view_.Contains(text, kTextValue)) break;
    if (view_.U8(text + kTextType) == type) return WPAFMMF::BoundedText(view_, text + kTextValue, 256);
    pointer = view_.I32LE(text);
  }
  return std::string();
}

std::string WPAF5Individual::GetReferenceNumber() { return TypedText(kReferenceType); }

std::string WPAF5Individual::GetAFN() { return TypedText(kAfnType); }

std::unique_ptr<WABSName> WPAF5Individual::GetName() {
  return record_ ? std::make_unique<WPAF5Name>(collection_, record_) : nullptr;
}

void WPAF5Individual::LoadOtherEvents() {
  if (others_loaded_) return;
  others_loaded_ = true;
  if (record_) CollectOtherEvents(view_.I32LE(record_ + kFirstOtherEvent));
}

std::unique_ptr<WABSVitEvent> WPAF5Individual::MakeVitalEvent(uint64_t event) {
  if (!record_ || (view_.I32LE(event) == 0 && view_.I32LE(event + kPlace) == 0)) return nullptr;
  return std::make_unique<WPAF5VitEvent>(collection_, event);
}

std::unique_ptr<WABSLDSEvent> WPAF5Individual::MakeLDSEvent(uint64_t ordinance) {
  if (!record_ || view_.I32LE(ordinance) == 0) return nullptr;
  return std::make_unique<WPAF5LDSEvent>(collection_, ordinance);
}

std::unique_ptr<WABSVitEvent> WPAF5Individual::GetOtherEvent(int i) {
  LoadOtherEvents();
  if (i < 1 || i > static_cast<int>(other_events_.size())) return nullptr;
  const uint64_t record = other_events_[i - 1];
  auto event = std::make_unique<WPAF5VitEvent>(collection_, record + kEvent);
  event->ReadOtherEvent(record, kEventType, kDescription, Utf8ToAnsi);
  return event;
}
