#pragma once

#include <cstdint>

#include "base/ABSArrayIndex.h"
#include "base/AVLTree.h"

class WTMG5TabNPV;

// The parts of every name (or place) of a 5.x project, read once at import from the part value
// table (NPV or PPV): one entry per owner (a name's or a place's RECNO) holding the owner and, per
// slot, the UID of the part's text in the dictionary (0: no such part).  The derived lookups say
// how many slots an entry has and which slot a part TYPE fills.
//
// Entries are found by owner.  The program writes the part values in ascending order of owner,
// so the entries come out sorted and a binary search over them finds an owner; once an owner
// comes out of order, a tree ordered by owner (largest first) takes over.
class WTMG5PartLookup {
 public:
  // Rows read between two yields to the user interface.
  static constexpr int kYieldInterval = 5000;

  virtual ~WTMG5PartLookup();
  WTMG5PartLookup(const WTMG5PartLookup&) = delete;
  WTMG5PartLookup& operator=(const WTMG5PartLookup&) = delete;

  // Reads the rows in position order; a later row for a slot replaces an earlier one.  False
  // when the import was cancelled.
  bool Build(const WTMG5TabNPV& values);

  // Number of owners with an entry.
  int32_t Count() const { return entries_.Count(); }
  // The UID in a slot (0-based) of the owner's entry; 0 when the owner has none or the slot is
  // outside the entry.
  int32_t SlotUid(int32_t owner, int slot) const;
  // Every slot of the owner's entry into uids[0..count) (slots beyond the entry, and all of
  // them when the owner has none, read 0).
  void SlotUids(int32_t owner, int32_t* uids, int count) const;

 protected:
  explicit WTMG5PartLookup(int slots);
  // The slot (0-based, below the slot count) a part type fills; -1 for a type not kept.
  virtual int SlotOfType(int32_t type) const = 0;

 private:
  // The entry of an owner; 0 when none.
  int32_t EntryOf(int32_t owner) const;
  // Puts every entry so far into the tree, which finds entries from then on.
  void StartTree();
  int32_t OwnerOf(int32_t entry) const;
  uint8_t* SlotAddress(int32_t entry, int slot);

  int slots_;
  // Each entry: the owner, then the slots.
  WABSArrayIndex entries_;
  bool in_order_ = true;
  WAVLTree tree_;
};
