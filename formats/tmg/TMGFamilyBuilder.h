#pragma once

#include <cstdint>

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
  int32_t FindFamily(int32_t husband, int32_t wife) const;
  // The child's order among the family's children: its birth date as yyyymmdd, 0 when undated.
  int32_t ChildPosition(int32_t child) const;
  // Yields every `interval` steps; false once the import is cancelled.
  static bool GoOn(int step, int interval);

  WTMGCollection& collection_;
  WTMGRelLink fathers_;
  WTMGRelLink mothers_;
  WAVLTree tree_;
};
