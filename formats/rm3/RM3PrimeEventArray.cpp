#include "formats/rm3/RM3PrimeEventArray.h"

#include <cstring>
#include <string>

#include "formats/rm3/RM3TabE.h"

namespace {
constexpr int32_t kNoEvents = -1;
constexpr int32_t kFarthest = 254;
}  // namespace

WRM3PrimeEventArray::WRM3PrimeEventArray(int32_t person_count) {
  Create(std::string(), false, static_cast<int32_t>(sizeof(Stored)), person_count);
  SetCount(person_count);  // zero: not computed
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
  void* record = WABSArrayIndex::Get(person);
  if (!record) return Entry{};
  Stored stored;
  std::memcpy(&stored, record, sizeof stored);
  if (stored.first != 0) return Unpack(stored, events);
  const Entry indexes = ComputeIndexes(id, events);
  if (!Pack(indexes, stored)) return ToPositions(indexes, events);
  std::memcpy(record, &stored, sizeof stored);
  return Unpack(stored, events);
}

WRM3PrimeEventArray::Entry WRM3PrimeEventArray::ToPositions(const Entry& indexes, const WRM3TabE& events) {
  Entry entry = indexes;
  for (int slot = kBirth; slot < kSlotCount; ++slot) {
    int32_t& k = entry[static_cast<size_t>(slot)];
    if (k > 0) k = events.OrderedPos(k);
  }
  return entry;
}

WRM3PrimeEventArray::Entry WRM3PrimeEventArray::ComputeIndexes(int32_t id, const WRM3TabE& events) {
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
    if (slot == kType34 || slot == kType35 || events.IsPrimary(pos) || entry[slot] == 0) entry[slot] = k;
  }
  return entry;
}

bool WRM3PrimeEventArray::Pack(const Entry& indexes, Stored& stored) {
  stored = Stored{};
  const int32_t first = indexes[kFirstEvent];
  stored.first = first < 1 ? kNoEvents : first;
  for (int slot = kBirth; slot < kSlotCount; ++slot) {
    const int32_t k = indexes[static_cast<size_t>(slot)];
    if (k == 0) continue;
    if (k - first > kFarthest) return false;
    stored.offsets[slot - 1] = static_cast<uint8_t>(k - first + 1);
  }
  return true;
}

WRM3PrimeEventArray::Entry WRM3PrimeEventArray::Unpack(const Stored& stored, const WRM3TabE& events) {
  Entry entry{};
  if (stored.first < 1) return entry;
  entry[kFirstEvent] = stored.first;
  for (int slot = kBirth; slot < kSlotCount; ++slot) {
    const uint8_t offset = stored.offsets[slot - 1];
    if (offset > 0) entry[static_cast<size_t>(slot)] = events.OrderedPos(stored.first + offset - 1);
  }
  return entry;
}
