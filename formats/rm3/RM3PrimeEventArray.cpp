#include "formats/rm3/RM3PrimeEventArray.h"

#include <cstring>
#include <string>

#include "formats/rm3/RM3TabE.h"

namespace {
// The first slot of an entry that has not been computed.
constexpr int32_t kNotComputed = -1;
}  // namespace

WRM3PrimeEventArray::WRM3PrimeEventArray(int32_t person_count) {
  Create(std::string(), false, static_cast<int32_t>(sizeof(Entry)), person_count);
  Entry blank{};
  blank[kFirstEvent] = kNotComputed;
  for (int32_t i = 0; i < person_count; ++i) Append(&blank);
}

WRM3PrimeEventArray::Slot WRM3PrimeEventArray::SlotOfType(int event_type) {
  switch (event_type) {
    case WRM3TabE::kBirth:
      return kBirth;
    case WRM3TabE::kDeath:
      return kDeath;
    case WRM3TabE::kChristening:
      return kChristening;
    case WRM3TabE::kBurial:
      return kBurial;
    case WRM3TabE::kLDSBaptism:
      return kLDSBaptism;
    case WRM3TabE::kEndowment:
      return kEndowment;
    case WRM3TabE::kSealingToParents:
      return kSealingToParents;
    case WRM3TabE::kAFN:
      return kType34;
    case WRM3TabE::kReference:
      return kType35;
    default:
      return kFirstEvent;
  }
}

WRM3PrimeEventArray::Entry WRM3PrimeEventArray::Get(int32_t person, int32_t id, const WRM3TabE& events) {
  Entry entry{};
  void* record = WABSArrayIndex::Get(person);
  if (!record) return entry;
  std::memcpy(&entry, record, sizeof entry);
  if (entry[kFirstEvent] != kNotComputed) return entry;
  entry = Compute(id, events);
  std::memcpy(record, &entry, sizeof entry);
  return entry;
}

WRM3PrimeEventArray::Entry WRM3PrimeEventArray::Compute(int32_t id, const WRM3TabE& events) {
  Entry entry{};
  const int first = events.FirstEventOfOwner(id);
  entry[kFirstEvent] = first;
  if (first < 1) return entry;
  for (int k = first; k <= events.EventOrderCount(); ++k) {
    const int pos = events.OrderedPos(k);
    if (events.OwnerId(pos) != id) break;
    if (!events.IsPersonEvent(pos)) continue;
    const Slot slot = SlotOfType(events.EventType(pos));
    if (slot == kFirstEvent) continue;
    // The last event of types 34 and 35 stays; of the others a primary event takes the slot
    // (a later primary one replacing it), any other only while the slot is empty.
    if (slot == kType34 || slot == kType35 || events.IsPrimary(pos) || entry[slot] == 0) entry[slot] = pos;
  }
  return entry;
}
