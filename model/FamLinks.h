#pragma once

#include <cstdint>
#include <memory>

#include "model/RecNo.h"

class WABSArrayIndex;
class WABSCollection;
class WLinkArray;

// Per family: husband, wife, children (each with the position value the reader gave)
// and the reader's own key of the family.  Families outside 1..Count are ignored.
class WFamLinks {
 public:
  // Most children one family's ordering pass looks at.
  static constexpr int kMaxOrderedChildren = 500;

  explicit WFamLinks(int family_count);
  ~WFamLinks();
  WFamLinks(const WFamLinks&) = delete;
  WFamLinks& operator=(const WFamLinks&) = delete;

  int Count();
  // Appends an empty family record; returns its number.
  RecNo AppendFamily();

  void SetHusband(RecNo family, RecNo husband);
  void SetWife(RecNo family, RecNo wife);
  void SetFamilyKey(RecNo family, int32_t key);
  // Adds a child; a child already listed only gets the new position value.
  void AddChild(RecNo family, RecNo child, int32_t position);

  RecNo GetHusband(RecNo family);
  RecNo GetWife(RecNo family);
  int32_t GetFamilyKey(RecNo family);
  int ChildCount(RecNo family);
  // The i-th child (1-based) in the current order; 0 when out of range.
  RecNo GetChild(RecNo family, int i);
  int32_t GetChildPosition(RecNo family, int i);

  // Orders the family's children by position value once, when SortChildren is on.
  void OrderChildren(RecNo family, WABSCollection& collection);

 private:
  struct Record {
    uint8_t flags = 0;
    int32_t husband = 0;
    int32_t wife = 0;
    uint16_t child_count = 0;
    int32_t child_chain = 0;
    int32_t family_key = 0;
  };
  bool Load(RecNo family, Record& rec);
  void Store(RecNo family, const Record& rec);

  std::unique_ptr<WABSArrayIndex> records_;
  std::unique_ptr<WLinkArray> children_;
};
