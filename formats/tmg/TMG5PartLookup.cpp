#include "formats/tmg/TMG5PartLookup.h"

#include <string>
#include <vector>

#include "base/UIHooks.h"
#include "formats/tmg/TMG5TabNPV.h"

namespace {

// Owners from largest to smallest.
int CompareOwners(int32_t a, int32_t b) { return a > b ? -1 : (a < b ? 1 : 0); }

}  // namespace

WTMG5PartLookup::WTMG5PartLookup(int slots)
    : slots_(slots),
      entries_(std::string(), false, static_cast<int32_t>(sizeof(int32_t)) * slots, 0),
      tree_([](int32_t a, int32_t b) { return CompareOwners(a, b); },
            [](const void* key, int32_t node) {
              return CompareOwners(*static_cast<const int32_t*>(key), node);
            }) {}

WTMG5PartLookup::~WTMG5PartLookup() = default;

bool WTMG5PartLookup::Build(const WTMG5TabNPV& values) {
  const int count = values.LiveCount();
  std::vector<int32_t> slots(static_cast<size_t>(slots_));
  // Rows of one owner usually follow each other, and owners usually come in ascending order:
  // the last owner's entry is kept at hand, and an owner above every earlier one is new
  // without a search.
  int32_t last_owner = 0, last_entry = 0, highest_owner = 0;
  YieldToUI();
  for (int pos = 1; pos <= count; ++pos) {
    if (pos % kYieldInterval == 0) {
      YieldToUI();
      if (ImportCancelled.load(std::memory_order_relaxed)) return false;
    }
    const int32_t owner = values.Owner(pos);
    if (owner < 1) continue;
    int32_t entry = owner == last_owner ? last_entry : owner > highest_owner ? 0 : EntryOf(owner);
    if (entry == 0) {
      entry = entries_.Append(nullptr);
      tree_.Insert(owner, entry);
      if (owner > highest_owner) highest_owner = owner;
    }
    last_owner = owner;
    last_entry = entry;
    const int slot = SlotOfType(values.Type(pos));
    if (slot < 0 || slot >= slots_) continue;
    const int32_t uid = values.Uid(pos);
    std::memcpy(static_cast<uint8_t*>(entries_.Get(entry)) + sizeof(int32_t) * static_cast<size_t>(slot),
                &uid, sizeof uid);
  }
  return true;
}

int32_t WTMG5PartLookup::EntryOf(int32_t owner) const { return tree_.Value2(tree_.Search(&owner)); }

int32_t WTMG5PartLookup::SlotUid(int32_t owner, int slot) const {
  if (owner < 1 || slot < 0 || slot >= slots_) return 0;
  const void* record = entries_.Get(EntryOf(owner));
  if (!record) return 0;
  int32_t uid = 0;
  std::memcpy(&uid, static_cast<const uint8_t*>(record) + sizeof(int32_t) * static_cast<size_t>(slot),
              sizeof uid);
  return uid;
}
