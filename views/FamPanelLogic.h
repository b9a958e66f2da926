#pragma once

#include <array>
#include <string>
#include <vector>

#include "views/ABSPanelLogic.h"
#include "views/IndInfoBox.h"

// One row of the Family tab's children grid.
struct FamilyGridRec {
  bool has_grandchildren = false;  // the child's first marriage has children: "+"
  RecNo child = 0;
  std::string sex;
  std::string birth;
  std::string death;
  int spouse_family_count = 0;
  RecNo first_spouse = 0;
};

// The six person boxes of the Family tab, in the order the tab lays them out.
enum FamBox : int {
  fbActive = 0,
  fbFather = 1,
  fbMother = 2,
  fbSpouse = 3,
  fbSpouseFather = 4,
  fbSpouseMother = 5,
};

// The Family tab without any drawing: the active individual with father and mother, the
// spouse of the current marriage with the spouse's father and mother, the marriage label,
// the counter of marriages, the next-spouse and arrow buttons, and the children grid of the
// current marriage.
class WFamPanelLogic : public WABSPanelLogic {
 public:
  static constexpr int kBoxCount = 6;
  // Room in the marriage list and in the children table.
  static constexpr int kMaxMarriages = 506;
  static constexpr int kMaxChildren = 512;
  // Rows of the children grid before it grows, heading included.
  static constexpr int kInitialGridRows = 31;
  static constexpr int kColumnCount = 6;

  // Loads the marriages of n, makes the first one current and refreshes.
  void SetIndividual(RecNo n) override;
  void SetShowIndHint(bool show);
  bool ShowIndHint() const { return show_ind_hint_; }
  void SetFamBirChr(bool fall_back);
  bool FamBirChr() const { return fam_bir_chr_; }

  // Rebuilds boxes, labels and the children table.
  void Refresh();
  // The next-spouse button: the following marriage (after the last the first) and refresh.
  void NextSpouse();

  const WIndInfoBox& Box(int box) const { return boxes_.at(box); }
  // The arrow beside a parent's box (fbFather, fbMother, fbSpouseFather, fbSpouseMother) is
  // shown when one can go further up from that person.
  bool ArrowVisible(int box) const;
  // The family date and place of the current marriage.
  const std::string& MarriageLabel() const { return marriage_label_; }
  // "(2 of 3)" with two or more marriages; empty otherwise.
  const std::string& CounterLabel() const { return counter_label_; }
  bool NextSpouseVisible() const { return marriages_.size() >= 2; }
  int MarriageCount() const { return static_cast<int>(marriages_.size()); }
  // 1-based; 0 without marriages.
  int CurrentMarriage() const { return current_marriage_; }

  // The children of the current marriage; rows beyond them are drawn blank.
  const std::vector<FamilyGridRec>& Children() const { return children_; }
  // Rows of the grid, heading included: at least 31, grows with the children, never shrinks.
  int GridRowCount() const { return grid_rows_; }
  // The heading of a column ("Children (2)" for column 1).
  std::string HeadingText(int column) const;
  // The text of a cell of the children table (0-based row); empty beyond the table.
  std::string CellText(int row, int column) const;

  // A double-click on a box: asks for its individual when there is one.
  void ActivateBox(int box);
  // An arrow button: asks for the individual in the box beside it.
  void ActivateArrow(int box);
  // A double-click in the grid: column 1 asks for the child, column 5 for the child's first
  // spouse.
  void ActivateCell(int row, int column);

 private:
  void Clear();
  void LoadMarriage(RecNo n, RecNo& spouse);
  FamilyGridRec ChildRow(RecNo child_no);
  void FillBox(int box, RecNo m);

  std::array<WIndInfoBox, kBoxCount> boxes_;
  std::array<bool, kBoxCount> arrows_{};
  std::string marriage_label_;
  std::string counter_label_;
  std::vector<RecNo> marriages_;
  int current_marriage_ = 0;
  std::vector<FamilyGridRec> children_;
  int grid_rows_ = kInitialGridRows;
  bool show_ind_hint_ = false;
  bool fam_bir_chr_ = true;
};
