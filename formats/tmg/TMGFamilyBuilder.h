#pragma once

#include <cstdint>
#include <vector>

#include "base/AVLTree.h"
#include "formats/tmg/TMGRelLink.h"

class WTMGCollection;

// Builds a project's families into the collection's link tables, in five passes:
//   1. the father and mother links of the relationship table (types of groups 2 and 3);
//   2. a family for every marriage-like event (with its two principals as spouses);
//   3. a family for every couple named by a person's father and mother fields, unless one
//      for that couple exists;
//   4. children whose father and mother links name a couple with a family join it;
//   5. children with only one such link join the single-parent family of that parent.
// A tree keyed by (husband, wife) finds a couple's family; the first family of a couple is the
// one its children join.  A pass that finds neither spouse as a person makes no family.
class WTMGFamilyBuilder {
 public:
  explicit WTMGFamilyBuilder(WTMGCollection& collection);

  // False when the import was cancelled.
  bool Run();

 private:
  struct Couple {
    int32_t husband;
    int32_t wife;
  };
  bool ReadRelationships();
  bool MarriageFamilies();
  bool ParentFieldFamilies();
  bool ChildrenWithBothParents();
  bool ChildrenWithOneParent(WTMGRelLink& links, bool fathers);
  int32_t NewFamily(int32_t husband, int32_t wife, int32_t marriage_event);
  // The family of a couple in the tree; 0 when none.  Neighbouring rows often ask for the same
  // couple, so the last answer is kept until the tree changes.
  int32_t FindFamily(int32_t husband, int32_t wife);
  void Insert(int32_t family);
  // Sets the spouses of a family in the link table and in the builder's copy.
  void SetCouple(int32_t family, int32_t husband, int32_t wife);
  const Couple& CoupleOf(int32_t family) const { return couples_[static_cast<size_t>(family)]; }
  // The child's order among the family's children: its birth date as yyyymmdd, 0 when undated.
  int32_t ChildPosition(int32_t child) const;
  // Yields every `interval` steps; false once the import is cancelled.
  static bool GoOn(int step, int interval);

  WTMGCollection& collection_;
  WTMGRelLink fathers_;
  WTMGRelLink mothers_;
  // The spouses of each family (index: family number), as the tree compares them.
  std::vector<Couple> couples_;
  WAVLTree tree_;
  Couple last_key_{-1, -1};
  int32_t last_found_ = 0;
};
