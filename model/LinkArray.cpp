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
  int32_t block = chain;
  LongChain* info = nullptr;
  if (data.next != 0) {
    if (auto known = long_chains_.find(chain); known != long_chains_.end()) {
      info = &known->second;
      block = info->tail;
      if (!LoadBlock(block, data)) return;
    }
  }
  if (!info) {
    // Walk to the last block of the chain.  A block only links to a later one, so the
    // walk ends; the step limit guards against a damaged chain all the same.
    int walked = 0;
    for (int steps = Count(); data.next != 0 && steps > 0; --steps) {
      Block next;
      if (!LoadBlock(data.next, next)) break;
      block = data.next;
      data = next;
      ++walked;
    }
    if (walked >= kLongChainBlocks) {
      info = &TakeInLongChain(chain);
      block = info->tail;
      if (!LoadBlock(block, data)) return;
    }
  }
  bool stored = false;
  for (Entry& slot : data.entries) {
    if (slot.rec == 0) {
      slot = entry;
      StoreBlock(block, data);
      stored = true;
      break;
    }
  }
  if (!stored) {
    Block fresh;
    fresh.entries[0] = entry;
    data.next = blocks_->Append(&fresh);
    StoreBlock(block, data);
    if (info) info->tail = data.next;
  }
  if (info) {
    ++info->length;
    if (info->positions_valid) info->first_position.emplace(entry.rec, info->length);
  }
}

WLinkArray::LongChain& WLinkArray::TakeInLongChain(int32_t chain) {
  LongChain& info = long_chains_[chain];
  info = LongChain();
  info.tail = chain;
  RebuildPositions(chain, info);
  return info;
}

void WLinkArray::RebuildPositions(int32_t chain, LongChain& info) {
  info.first_position.clear();
  info.length = 0;
  int32_t at = chain;
  for (int steps = Count(); at != 0 && steps > 0; --steps) {
    Block data;
    if (!LoadBlock(at, data)) break;
    info.tail = at;
    for (const Entry& slot : data.entries) {
      if (slot.rec == 0) break;
      ++info.length;
      info.first_position.emplace(slot.rec, info.length);
    }
    at = data.next;
  }
  info.positions_valid = true;
}

bool WLinkArray::Locate(int32_t chain, int i, int32_t& block, int& slot) {
  if (i < 1) return false;
  int32_t at = chain;
  int first = 0;  // index of the first entry of block `at`
  if (cursor_chain_ == chain && chain != 0 && cursor_first_ <= i - 1) {
    at = cursor_block_;
    first = cursor_first_;
  }
  for (int steps = Count(); at != 0 && steps > 0; --steps) {
    Block data;
    if (!LoadBlock(at, data)) return false;
    const int remaining = i - 1 - first;
    if (remaining < kSlotsPerBlock) {
      cursor_chain_ = chain;
      cursor_block_ = at;
      cursor_first_ = first;
      if (data.entries[remaining].rec == 0) return false;
      block = at;
      slot = remaining;
      return true;
    }
    first += kSlotsPerBlock;
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
  if (data.entries[slot].rec != entry.rec) {
    if (auto known = long_chains_.find(chain); known != long_chains_.end()) known->second.positions_valid = false;
  }
  data.entries[slot] = entry;
  StoreBlock(block, data);
}

int WLinkArray::Find(int32_t chain, int32_t rec) {
  if (chain != 0 && !long_chains_.empty()) {
    if (auto known = long_chains_.find(chain); known != long_chains_.end()) {
      LongChain& info = known->second;
      if (!info.positions_valid) RebuildPositions(chain, info);
      auto found = info.first_position.find(rec);
      return found != info.first_position.end() ? found->second : 0;
    }
  }
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
