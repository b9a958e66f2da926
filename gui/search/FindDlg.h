#pragma once

#include <QDialog>
#include <memory>

#include "model/RecNo.h"
#include "views/FindDlgLogic.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableView;
class TIndInfoPanel;
class WABSCollection;

// Advanced find ("Find Individual"): every individual in one of five orders, a search box
// that jumps as the user types, and the selected person with parents and marriages.  The
// rules live in WFindDlgLogic; this window draws its state and routes the user's actions.
//
// The caller shows it modally and, on OK, goes to Selected().
class TWFindDlg : public QDialog {
  Q_OBJECT
 public:
  // The collection and the sorted lists are lent and must outlive the dialog.
  TWFindDlg(QWidget* owner, const WSortLists& lists, WABSCollection* collection);
  ~TWFindDlg() override;

  // The individual to start from; the caller passes the active individual.
  void SetSelected(RecNo n) { logic_->SetSelected(n); }
  // The chosen individual after the dialog closed with OK.
  RecNo Selected() const { return logic_->Selected(); }

  // The controls, for tests.
  WFindDlgLogic& Logic() { return *logic_; }
  QLineEdit* SearchBox() const { return search_; }
  QPushButton* SearchButton() const { return search_button_; }
  QRadioButton* ModeButton(int mode) const;
  QTableView* Grid() const { return grid_; }
  QLabel* CountLabel() const { return count_label_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  TIndInfoPanel* SelectedBox() const { return boxes_[0]; }
  TIndInfoPanel* FatherBox() const { return boxes_[1]; }
  TIndInfoPanel* MotherBox() const { return boxes_[2]; }
  QLabel* MarriagesLabel() const { return marriages_label_; }
  QListWidget* MarriagesList() const { return marriages_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class GridModel;

  // Mirrors the logic's state into the widgets; `grid_changed` when the rows themselves
  // (order or headings) changed.
  void Sync(bool grid_changed);
  // Runs a user action on the logic and mirrors the outcome; never lets an exception out.
  template <class Action>
  void Act(Action&& action, bool grid_changed = false);
  void PlaceSearchBox();
  void OnOk();

  std::unique_ptr<WFindDlgLogic> logic_;
  GridModel* model_ = nullptr;
  bool shown_ = false;
  bool syncing_ = false;
  QRadioButton* modes_[5] = {};
  QLineEdit* search_ = nullptr;
  QPushButton* search_button_ = nullptr;
  QTableView* grid_ = nullptr;
  QLabel* count_label_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  TIndInfoPanel* boxes_[3] = {};
  QLabel* marriages_label_ = nullptr;
  QListWidget* marriages_ = nullptr;
};
