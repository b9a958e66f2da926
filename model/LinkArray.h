#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

class WABSArrayIndex;

// Overflow storage of the link tables: chains of blocks, each block holding three
// entries and the record number of the next block of its chain (0 = end).  An entry
// is the linked record number (0 = free slot) and three values of data carried with
// the link.  A chain is named by the record number of its first block; 0 is no chain.
class WLinkArray {
 public:
  static constexpr int kSlotsPerBlock = 3;

  struct Entry {
    int32_t rec = 0;
    int32_t data[3] = {0, 0, 0};
  };

  // `initial_count` only sizes the storage.
  explicit WLinkArray(int initial_count);
  ~WLinkArray();
  WLinkArray(const WLinkArray&) = delete;
  WLinkArray& operator=(const WLinkArray&) = delete;

  // Number of blocks.
  int Count();
  // Appends the entry at the end of the chain; a chain of 0 is started and `chain`
  // receives its first block.
  void Append(int32_t& chain, const Entry& entry);
  // Number of entries in the chain.
  int ChainLength(int32_t chain);
  // The i-th entry (1-based) of the chain; false when there is none.
  bool Get(int32_t chain, int i, Entry& entry);
  // Overwrites the i-th entry (1-based) of the chain; ignored when there is none.
  void Set(int32_t chain, int i, const Entry& entry);
  // Position (1-based) of the first entry of record `rec` in the chain; 0 when absent.
  int Find(int32_t chain, int32_t rec);

 private:
  struct Block {
    Entry entries[kSlotsPerBlock];
    int32_t next = 0;
  };
  bool LoadBlock(int32_t block, Block& data);
  void StoreBlock(int32_t block, const Block& data);
  // Locates the i-th entry: its block and slot.  False when there is none.
  bool Locate(int32_t chain, int i, int32_t& block, int& slot);

  // What is kept of a long chain (the children of a large family), so that appending to it,
  // finding a record in it and reading it in order cost constant time per entry.  A chain is
  // taken in once an append has to walk kLongChainBlocks blocks to reach its end.
  struct LongChain {
    int32_t tail = 0;  // last block
    int length = 0;    // entries
    std::unordered_map<int32_t, int> first_position;  // record -> its first position
    bool positions_valid = true;  // false after Set changed a record; rebuilt on need
  };
  static constexpr int kLongChainBlocks = 8;
  // Walks the whole chain once into a LongChain entry.
  LongChain& TakeInLongChain(int32_t chain);
  void RebuildPositions(int32_t chain, LongChain& info);

  std::unique_ptr<WABSArrayIndex> blocks_;
  std::unordered_map<int32_t, LongChain> long_chains_;
  // The block of the last Locate: reading a chain in order resumes there instead of walking
  // from the start again.
  int32_t cursor_chain_ = 0;
  int32_t cursor_block_ = 0;
  int cursor_first_ = 0;  // 0-based index of the cursor block's first entry
};
