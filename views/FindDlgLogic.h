#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/RecNo.h"
#include "search/SortIterators.h"
#include "views/Colors.h"
#include "views/IndInfoBox.h"

class WABSCollection;

// Advanced find without any drawing: the five search modes and their lists, what typing,
// the Search and OK buttons and the arrow keys do, the grid's rows and headings, the
// three person boxes and the marriages list.  The dialog mirrors this state into its
// widgets after every call and routes the user's actions here.
//
// Grid rows are list positions: row r (1..RowCount()-1) shows the entry at position r of
// the current list; row 0 is the heading.
class WFindDlgLogic {
 public:
  enum Mode : int { fmIndex = 1, fmRIN = 2, fmSurname = 3, fmName = 4, fmCustom = 5 };

  struct MarriageItem {
    bool spouse = false;        // a spouse line, otherwise a child line
    RecNo individual = 0;       // 0: no spouse entered
    bool has_children = false;  // child lines: "+" in front
    int birth_year = 0;         // child lines: 0 = none
    std::string name;           // full name with prefix and suffix
    // The line as one text: "Spouse: ..." or the child's name.
    std::string Text() const;
  };

  static constexpr int kMaxMarriageItems = 200;
  static constexpr const char* kSortingText = "Sorting.  Please Wait...";
  static constexpr const char* kSearchHint =
      "Click here to find closest individual (See Options to remove this button)";

  // The collection and the four sorted lists are lent, not owned.
  WFindDlgLogic(WABSCollection* collection, const WSortLists& lists);
  ~WFindDlgLogic();

  // The individual to start from (before Show).
  void SetSelected(RecNo n) { selected_ = n; }
  // The chosen individual once the dialog closed with OK.
  RecNo Selected() const { return selected_; }

  // Raised around a sort that takes place (the dialog shows the wait dialog with
  // kSortingText and the busy cursor).
  std::function<void()> OnSortBegin;
  std::function<void()> OnSortEnd;

  // The dialog is shown: reads "AutoSearch" and "FindDlg", sorts that mode's list if
  // needed and selects the row of the selected individual.
  void Show();
  // Shown in the given mode instead of the stored one (which stays as it is).
  void ShowInMode(int mode);
  // A radio button was clicked; the mode is stored in "FindDlg".
  void SetMode(int mode);
  Mode GetMode() const { return mode_; }

  // The search box's text changed by typing.
  void TextChanged(const std::string& text);
  // The Search button (shown only without AutoSearch).
  void PressSearch();
  // OK: runs the search and returns false while the Search button is enabled; otherwise
  // takes the individual of the current row and returns true (close with OK).
  bool PressOK();
  // A double click on a grid row: selects it, takes its individual; close with OK.
  void DoubleClickRow(int row);
  // The user clicked a row (or moved to it with the grid's keys).
  void ClickRow(int row) { SelectRow(row); }
  // Up and Down in the search box: the previous (next) row, within the grid.
  void KeyUp();
  void KeyDown();
  // Double clicks on the father or mother box, or a marriages item (0-based).
  void DoubleClickFather() { GoToPerson(father_box_.Individual()); }
  void DoubleClickMother() { GoToPerson(mother_box_.Individual()); }
  void DoubleClickMarriageItem(int index);

  // State for the widgets.
  bool AutoSearch() const { return auto_search_; }
  bool SearchButtonVisible() const { return !auto_search_; }
  bool SearchButtonEnabled() const { return search_enabled_; }
  bool SearchCaptionRed() const { return search_red_; }
  const std::string& SearchText() const { return search_text_; }
  // The row the grid shows as selected (0 = none).
  int CurrentRow() const { return row_; }
  // Heading row included.
  int RowCount() const;
  std::string CountLabel() const;
  // The caption of a mode's radio button.
  std::string RadioCaption(int mode) const;
  // Column headings and cell texts (row 0 is the heading).
  std::string CellText(int row, int column) const;
  static constexpr int kColumnWidths[4] = {45, 60, 180, 75};

  const WIndInfoBox& SelectedBox() const { return selected_box_; }
  const WIndInfoBox& FatherBox() const { return father_box_; }
  const WIndInfoBox& MotherBox() const { return mother_box_; }
  // The box's colours: silver when it shows nobody.
  static WColor BoxBackground(const WIndInfoBox& box) { return box.IsEmpty() ? kColorSilver : kColorWhite; }

  std::string MarriagesLabel() const;
  const std::vector<MarriageItem>& MarriageItems() const { return marriages_; }

  // The list of the current mode.
  WColSortIterator* CurrentList() const { return list_; }
  WABSCollection* Collection() const { return collection_; }

 private:
  WColSortIterator* ListOf(Mode mode) const;
  static int ColumnOf(Mode mode);
  void SortIfNeeded();
  void Search();
  void SelectRow(int row);
  void ShowIndividual(RecNo n);
  void BuildMarriages(RecNo n);
  void GoToPerson(RecNo n);
  std::string TextFor(RecNo n, int row) const;
  // "REF" or "RIN": what the collection calls its identifiers.
  std::string IdCaption() const;

  WABSCollection* collection_;
  WSortLists lists_;
  std::unique_ptr<WColSortIterator> own_list_;
  WColSortIterator* list_ = nullptr;
  Mode mode_ = fmSurname;
  RecNo selected_ = -1;
  int row_ = 0;
  bool auto_search_ = true;
  bool searching_ = false;
  bool search_enabled_ = false;
  bool search_red_ = false;
  std::string search_text_;
  WIndInfoBox selected_box_;
  WIndInfoBox father_box_;
  WIndInfoBox mother_box_;
  int marriage_count_ = 0;
  std::vector<MarriageItem> marriages_;
};
