#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Date.h"
#include "views/ABSPanelLogic.h"

class WABSEvent;
class WABSIndividual;
class WABSMarriage;

// One row of the Individual tab.
struct IndInfoRec {
  RecNo individual = 0;             // made active by a double-click; 0 = none
  std::string type;                 // "Type" column
  std::string date;                 // "Date" column
  std::string sort_date;            // the date text the chronological order compares
  std::string information;          // "Information" column
  std::string age;                  // "Age" column
  WColor background = kColorWhite;  // of the information cell
  WColor text_color = kColorBlack;  // of the information cell
  std::string citations;            // shown in the sources pane
  std::string note;                 // shown in the note pane
};

using IndInfoArray = std::vector<IndInfoRec>;

// The Individual tab without any drawing: the rows of the active individual (identifiers,
// name, vital events, LDS ordinances, other events, witnessed events, parents, marriages
// with their children) in the fixed layout or in chronological order, the sex and
// change-date labels, the selected row with its note and citations, and the double-click
// that asks for another individual.
class WIndPanelLogic : public WABSPanelLogic {
 public:
  // The row table holds at most this many rows; later rows are not added.
  static constexpr int kMaxRows = 1023;

  // Also decides whether the TMG sentence switch is offered.
  void SetCollection(WABSCollection* collection) override;
  // Shows individual n (a number above the individual count counts as 0) and rebuilds.
  void SetIndividual(RecNo n) override;

  // Sets the chronological order (the check box follows) and rebuilds when it changed.
  void SetChronological(bool chronological);
  bool Chronological() const { return chronological_; }
  // The user toggled "Chronological": rebuilds and raises OnChronoChange.
  void ToggleChronological();

  void SetTMGSentence(bool on) { tmg_sentence_ = on; }
  bool TMGSentence() const { return tmg_sentence_; }
  // The user toggled "TMG Sentence": raises OnTMGSentChange, on which the main window
  // stores the setting and refreshes the tab.
  void ToggleTMGSentence();
  // "TMG Sentence" is offered only for collections that build sentences (TMG 4.x and 5.x).
  bool TMGSentenceVisible() const { return tmg_sentence_visible_; }

  // Builds the rows of the individual shown anew.
  void Rebuild();

  const IndInfoArray& Rows() const { return rows_; }
  // Rows of the grid, heading included: the rows built, or one blank row when none were.
  int GridRowCount() const { return grid_rows_; }

  // "F", "M" or "U"; empty without an individual.
  const std::string& SexText() const { return sex_text_; }
  // The change date; empty without an individual.
  const std::string& ModifiedText() const { return modified_text_; }

  // The selected row (0-based index into Rows(); -1 = none).
  void SelectRow(int row) { selected_row_ = row; }
  int SelectedRow() const { return selected_row_; }
  // The note and citations of the selected row; empty when it lies outside the rows.
  std::string NoteText() const;
  std::string CitationsText() const;
  // A double-click on a row: asks for its individual when there is one.
  void ActivateRow(int row);

  std::function<void()> OnChronoChange;
  std::function<void()> OnTMGSentChange;

 private:
  void BuildRows(RecNo n, WABSIndividual& person);
  // A relative or family read for a row; none when it cannot be read, so that one bad
  // record leaves one empty row instead of ending the table.
  std::unique_ptr<WABSIndividual> ReadIndividual(RecNo m) const;
  std::unique_ptr<WABSMarriage> ReadFamily(RecNo f) const;
  void AddRow(IndInfoRec&& row);
  // A row of type only, for what is missing or cannot be read.
  void AddTypeRow(const std::string& type);
  void AddEventRow(const std::string& type, WABSEvent* event);
  // A row for a parent or child: birth date, name with lifespan, age, note and citations.
  void AddPersonRow(const std::string& type, RecNo m);
  void AddParentRows(WABSIndividual& person);
  void AddMarriageRows(RecNo n, WABSIndividual& person);
  std::string AgeText(const WDate* date) const;
  void SortChronologically();

  IndInfoArray rows_;
  int grid_rows_ = 2;
  bool chronological_ = false;
  bool tmg_sentence_ = false;
  bool tmg_sentence_visible_ = false;
  std::string sex_text_;
  std::string modified_text_;
  int selected_row_ = -1;
  // The reference date of the ages of the individual shown (birth, else christening).
  std::optional<WDate> reference_;
  bool bracket_ages_ = false;
};
