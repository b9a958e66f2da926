#include "model/LinkArray.h"

#include <cstring>

#include "base/ABSArrayIndex.h"

WLinkArray::WLinkArray(int initial_count)
    : blocks_(std::make_unique<WABSArrayIndex>("", false, static_cast<int32_t>(sizeof(Block)),
                                               initial_count > 0 ? initial_count : 0)) {}

WLinkArray::~WLinkArray() = default;

int WLinkArray::Count() { return blocks_->Count(); }

bool WLinkArray::LoadBlock(int32_t block, Block& data) {
  const void* at = blocks_->Get(block);
  if (!at) return false;
  std::memcpy(&data, at, sizeof data);
  return true;
}

void WLinkArray::StoreBlock(int32_t block, const Block& data) { blocks_->Set(block, &data); }

void WLinkArray::Append(int32_t& chain, const Entry& entry) {
  Block data;
  if (chain == 0 || !LoadBlock(chain, data)) {
    Block fresh;
    fresh.entries[0] = entry;
    chain = blocks_->Append(&fresh);
    return;
  }
  // Walk to the last block of the chain.  A block only links to a later one, so the
  // walk ends; the step limit guards against a damaged chain all the same.
  int32_t block = chain;
  for (int steps = Count(); data.next != 0 && steps > 0; --steps) {
    Block next;
    if (!LoadBlock(data.next, next)) break;
    block = data.next;
    data = next;
  }
  for (Entry& slot : data.entries) {
    if (slot.rec == 0) {
      slot = entry;
      StoreBlock(block, data);
      return;
    }
  }
  Block fresh;
  fresh.entries[0] = entry;
  data.next = blocks_->Append(&fresh);
  StoreBlock(block, data);
}

bool WLinkArray::Locate(int32_t chain, int i, int32_t& block, int& slot) {
  if (i < 1) return false;
  int32_t at = chain;
  int remaining = i - 1;
  for (int steps = Count(); at != 0 && steps > 0; --steps) {
    Block data;
    if (!LoadBlock(at, data)) return false;
    if (remaining < kSlotsPerBlock) {
      if (data.entries[remaining].rec == 0) return false;
      block = at;
      slot = remaining;
      return true;
    }
    remaining -= kSlotsPerBlock;
    at = data.next;
  }
  return false;
}

int WLinkArray::ChainLength(int32_t chain) {
  int length = 0;
  int32_t at = chain;
  for (int steps = Count(); at != 0 && steps > 0; --steps) {
    Block data;
    if (!LoadBlock(at, data)) break;
    for (const Entry& slot : data.entries) {
      if (slot.rec != 0) ++length;
    }
    at = data.next;
  }
  return length;
}

bool WLinkArray::Get(int32_t chain, int i, Entry& entry) {
  int32_t block = 0;
  int slot = 0;
  if (!Locate(chain, i, block, slot)) return false;
  Block data;
  LoadBlock(block, data);
  entry = data.entries[slot];
  return true;
}

void WLinkArray::Set(int32_t chain, int i, const Entry& entry) {
  int32_t block = 0;
  int slot = 0;
  if (!Locate(chain, i, block, slot)) return;
  Block data;
  LoadBlock(block, data);
  data.entries[slot] = entry;
  StoreBlock(block, data);
}

int WLinkArray::Find(int32_t chain, int32_t rec) {
  int position = 0;
  int32_t at = chain;
  for (int steps = Count(); at != 0 && steps > 0; --steps) {
    Block data;
    if (!LoadBlock(at, data)) break;
    for (const Entry& slot : data.entries) {
      if (slot.rec == 0) return 0;
      ++position;
      if (slot.rec == rec) return position;
    }
    at = data.next;
  }
  return 0;
}
