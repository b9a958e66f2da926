#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "views/ABSPanelLogic.h"
#include "views/IndInfoBox.h"

// One ancestor of a pedigree, numbered the Ahnentafel way: 1 the person, 2n the father and
// 2n+1 the mother of number n.
struct PedigreeEntry {
  uint64_t number = 0;
  int generation = 1;  // 1 for the person, 2 for the parents, ...
  RecNo individual = 0;
  // The number at which the same person stood first (pedigree collapse); 0 when this is
  // the first place.
  uint64_t first_number = 0;
  // What the person's box shows: the name, birth and death lines of the Family tab.
  WIndInfoBox box;
  std::string birth_date;
  std::string death_date;
  // The date and place of the marriage of this person's parents (the family through
  // which numbers 2n and 2n+1 were found); empty without one.
  std::string parents_marriage;
};

// The pedigree of a person without any drawing: the ancestors found through each person's
// first parent family (the father and mother the scroller's F and M buttons go to), to a
// number of generations, in number order.  A parent who is already on the line down to the
// person (a loop in the parent links) ends that line.  The keyboard selection moves between
// the boxes; activating a box asks the main window to make its person active.
class WPedigreeLogic : public WABSPanelLogic {
 public:
  // The tab: the person and four generations of ancestors (numbers 1 to 31).
  static constexpr int kTabGenerations = 5;
  // Numbers stay below 2^62; the entries of one pedigree are at most kMaxEntries.
  static constexpr int kMaxGenerations = 62;
  static constexpr size_t kMaxEntries = 1 << 20;

  // Moves of the keyboard selection.
  enum Move { kToFather, kToMother, kToChild, kUp, kDown, kToPerson };

  // Shows individual n (a number above the individual count counts as 0) and rebuilds.
  void SetIndividual(RecNo n) override;
  // 1 to kMaxGenerations; takes effect at the next rebuild.
  void SetGenerations(int generations);
  int Generations() const { return generations_; }
  void SetFamBirChr(bool fall_back) { fam_bir_chr_ = fall_back; }
  void SetShowIndHint(bool show) { show_ind_hint_ = show; }
  void Refresh();

  // The ancestors found, in number order (the person first); empty without a person.
  const std::vector<PedigreeEntry>& Entries() const { return entries_; }
  // The entry with that number; nullptr when no ancestor was found there.
  const PedigreeEntry* Find(uint64_t number) const;
  // True when the walk stopped at kMaxEntries.
  bool Truncated() const { return truncated_; }

  // The keyboard selection: the number of a box that holds somebody (1 after a rebuild).
  uint64_t Selected() const { return selected_; }
  // Selects that box when it holds somebody; returns whether it did.
  bool Select(uint64_t number);
  // Moves the selection to the father's or mother's box, down to the child's, to the box
  // above or below in the same generation (skipping empty places) or back to the person.
  // Returns whether the selection changed.
  bool MoveSelection(Move move);
  // Asks for the person in the box with that number (the selected one for 0).
  void Activate(uint64_t number = 0);

 private:
  // True when individual m stands at number n or on the line from n down to number 1.
  bool OnLine(uint64_t n, RecNo m) const;

  std::vector<PedigreeEntry> entries_;
  int generations_ = kTabGenerations;
  bool fam_bir_chr_ = true;
  bool show_ind_hint_ = false;
  bool truncated_ = false;
  uint64_t selected_ = 0;
};
