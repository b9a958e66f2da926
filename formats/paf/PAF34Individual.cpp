#include "formats/paf/PAF34Individual.h"

#include "model/ABSLDSEvent.h"
#include "model/ABSName.h"
#include "model/ABSVitEvent.h"

namespace {

constexpr uint64_t kReferenceNumber = 270;
constexpr uint64_t kAFN = 281;
// The four place parts of an event follow its date.
constexpr uint64_t kPlaceParts = 6;

}  // namespace

std::string WPAF34Individual::GetReferenceNumber() {
  return record_ ? view_.FixedText(record_ + kReferenceNumber, 11) : std::string();
}

std::string WPAF34Individual::GetAFN() {
  return record_ ? view_.FixedText(record_ + kAFN, 13) : std::string();
}

std::unique_ptr<WABSName> WPAF34Individual::GetName() { return record_ ? NewName() : nullptr; }

std::unique_ptr<WABSVitEvent> WPAF34Individual::MakeVitalEvent(uint64_t event) {
  if (!record_) return nullptr;
  bool any = view_.I32LE(event) != 0, all_none = true;
  for (uint64_t part = 0; part < 4; ++part) {
    const int32_t pointer = view_.I32LE(event + kPlaceParts + 4 * part);
    any = any || pointer != 0;
    all_none = all_none && pointer == -1;
  }
  return any && !all_none ? NewVitEvent(event) : nullptr;
}

std::unique_ptr<WABSLDSEvent> WPAF34Individual::MakeLDSEvent(uint64_t ordinance) {
  if (!record_ || view_.I32LE(ordinance) == 0) return nullptr;
  return NewLDSEvent(ordinance);
}
