#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "views/ABSPanelLogic.h"

// One row of a descendants list.
struct DescendantRow {
  int generation = 1;   // 1 for the person the list starts from
  bool spouse = false;  // a spouse of the descendant above ("S"); otherwise a descendant ("P")
  RecNo individual = 0;
  // For a spouse: the family of the marriage.  For a descendant: the family he or she is
  // a child of (0 for the first row).
  RecNo family = 0;
  // The row where the same person stood first, when this row only refers to it (a
  // descendant met again and not followed again, or a spouse met before); -1 otherwise.
  int first_row = -1;
  // Bit k (1 <= k <= Level()) is set when a later row hangs from the same row at level
  // k - 1: the connecting line at level k goes on below this row.
  uint64_t continues = 0;

  // The indentation level: a descendant of generation g at g - 1, a spouse one deeper,
  // beside the children of the marriage.
  int Level() const { return spouse ? generation : generation - 1; }
};

// The texts a row shows, read when asked for.
struct DescendantTexts {
  std::string name;
  std::string birth_date, birth_place;
  std::string death_date, death_place;
  // A spouse row: the marriage; empty for a descendant.
  std::string marriage_date, marriage_place;
};

// The columns a descendants list can show beside the name, by the numbers the setting
// `DesColumns` lists ("65,67,19,59,60": birth date and place, death date, marriage date and
// place).
struct DescendantColumn {
  int id;
  const char* caption;
  int width;  // pixels on screen
};

class WDescendantColumns {
 public:
  // The columns of a `DesColumns` text in its order; numbers without a column are left out.
  static std::vector<DescendantColumn> Parse(const std::string& setting);
  // The column with that number; nullptr when there is none.
  static const DescendantColumn* Find(int id);
  // The text of that column for a row.
  static std::string Cell(const DescendantTexts& texts, int id);
};

// The descendants of a person without any drawing: the person, then for each spouse
// family in the person's spouse order the other partner (a spouse row of the same
// generation, none when the family has no other partner) followed by the family's
// children in the order the Family tab shows, each with his or her own descendants, to a
// number of generations.  A person met again is listed once more with a reference to the
// first place and not followed again, unless repeats are asked for; a person who is his
// or her own ancestor ends the line even then.
class WDescendantsLogic : public WABSPanelLogic {
 public:
  static constexpr int kMaxGenerations = 62;
  // The list stops growing here.
  static constexpr size_t kMaxRows = 8u << 20;

  // Shows individual n (a number above the individual count counts as 0) and rebuilds.
  void SetIndividual(RecNo n) override;
  // 1 to kMaxGenerations; take effect at the next rebuild.
  void SetGenerationLimit(int generations);
  int GenerationLimit() const { return generation_limit_; }
  void SetRepeatDuplicates(bool repeat) { repeat_duplicates_ = repeat; }
  bool RepeatDuplicates() const { return repeat_duplicates_; }
  void Refresh();

  const std::vector<DescendantRow>& Rows() const { return rows_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  bool Truncated() const { return truncated_; }
  // The texts of a row (empty for a row out of range or a person who cannot be read).
  DescendantTexts Texts(int row) const;

  // Asks for the person of the row.
  void Activate(int row);

 private:
  void AddPerson(RecNo m, RecNo from_family, int generation);
  int AddRow(const DescendantRow& row);

  std::vector<DescendantRow> rows_;
  // Per record number: the first row of the person, and the first descendant row (-1: none).
  std::vector<int32_t> first_row_;
  std::vector<int32_t> first_descendant_row_;
  // Per record number: on the line from the first row down to the row being added.
  std::vector<bool> on_line_;
  int generation_limit_ = 32;
  bool repeat_duplicates_ = false;
  bool truncated_ = false;
};
