#include "formats/tmg/TMG5PartLookup.h"

#include <algorithm>
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
      entries_(std::string(), false, static_cast<int32_t>(sizeof(int32_t)) * (slots + 1), 0),
      tree_([](int32_t a, int32_t b) { return CompareOwners(a, b); },
            [](const void* key, int32_t node) {
              return CompareOwners(*static_cast<const int32_t*>(key), node);
            }) {}

WTMG5PartLookup::~WTMG5PartLookup() = default;

int32_t WTMG5PartLookup::OwnerOf(int32_t entry) const {
  int32_t owner = 0;
  if (const void* record = entries_.Get(entry)) std::memcpy(&owner, record, sizeof owner);
  return owner;
}

uint8_t* WTMG5PartLookup::SlotAddress(int32_t entry, int slot) {
  return static_cast<uint8_t*>(entries_.Get(entry)) + sizeof(int32_t) * static_cast<size_t>(slot + 1);
}

void WTMG5PartLookup::StartTree() {
  in_order_ = false;
  for (int32_t entry = 1; entry <= entries_.Count(); ++entry) tree_.Insert(OwnerOf(entry), entry);
}

bool WTMG5PartLookup::Build(const WTMG5TabNPV& values) {
  const int count = values.LiveCount();
  // Rows of one owner follow each other: the last owner's entry is kept at hand.
  int32_t last_owner = 0, last_entry = 0;
  YieldToUI();
  for (int pos = 1; pos <= count; ++pos) {
    if (pos % kYieldInterval == 0) {
      YieldToUI();
      if (ImportCancelled.load(std::memory_order_relaxed)) return false;
    }
    const int32_t owner = values.Owner(pos);
    if (owner < 1) continue;
    const bool beyond_all = in_order_ && owner > OwnerOf(entries_.Count());
    int32_t entry = owner == last_owner ? last_entry : beyond_all ? 0 : EntryOf(owner);
    if (entry == 0) {
      // An owner below the last entry's ends the ascending order.
      if (in_order_ && entries_.Count() > 0 && owner < OwnerOf(entries_.Count())) StartTree();
      entry = entries_.Append(nullptr);
      std::memcpy(entries_.Get(entry), &owner, sizeof owner);
      if (!in_order_) tree_.Insert(owner, entry);
    }
    last_owner = owner;
    last_entry = entry;
    const int slot = SlotOfType(values.Type(pos));
    if (slot < 0 || slot >= slots_) continue;
    const int32_t uid = values.Uid(pos);
    std::memcpy(SlotAddress(entry, slot), &uid, sizeof uid);
  }
  return true;
}

int32_t WTMG5PartLookup::EntryOf(int32_t owner) const {
  if (!in_order_) return tree_.Value2(tree_.Search(&owner));
  return entries_.Find(
      [](const void* record, int32_t key) {
        int32_t at = 0;
        std::memcpy(&at, record, sizeof at);
        return at < key ? -1 : (at > key ? 1 : 0);
      },
      owner);
}

int32_t WTMG5PartLookup::SlotUid(int32_t owner, int slot) const {
  if (slot < 0 || slot >= slots_) return 0;
  std::vector<int32_t> uids(static_cast<size_t>(slots_));
  SlotUids(owner, uids.data(), slots_);
  return uids[static_cast<size_t>(slot)];
}

void WTMG5PartLookup::SlotUids(int32_t owner, int32_t* uids, int count) const {
  if (count <= 0) return;
  std::fill(uids, uids + count, 0);
  const uint8_t* record = owner > 0 ? static_cast<const uint8_t*>(entries_.Get(EntryOf(owner))) : nullptr;
  if (!record) return;
  std::memcpy(uids, record + sizeof(int32_t), sizeof(int32_t) * static_cast<size_t>(std::min(count, slots_)));
}
