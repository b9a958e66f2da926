#pragma once

#include <QDialog>

#include "model/RecNo.h"
#include "search/SortIterators.h"
#include "views/QuickFindLogic.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class TIndInfoPanel;
class WABSCollection;
class WSelectionButton;

// Quick find: a record number typed, stepped to with the arrow keys or the scroll bar, or
// reached through the father, the mother, a spouse or a child of the person shown, who is
// previewed in a person box.  "Advanced Find" hands over to TWFindDlg; its OK closes both.
// The rules live in WQuickFindLogic; this window draws its state and routes the user's
// actions.
class TdlgQuickFind : public QDialog {
  Q_OBJECT
 public:
  // The collection and the sorted lists are lent and must outlive the dialog.
  TdlgQuickFind(QWidget* owner, const WSortLists& lists, WABSCollection* collection);

  // Selects n; the caller passes the active individual.
  void SetSelected(RecNo n);
  // The chosen individual.
  RecNo Selected() const { return logic_.Selected(); }

  // The controls, for tests.
  WQuickFindLogic& Logic() { return logic_; }
  QLineEdit* SearchBox() const { return search_; }
  QLabel* SelectedLabel() const { return selected_label_; }
  QLabel* CountLabel() const { return count_label_; }
  QScrollBar* ScrollBar() const { return scroll_; }
  QPushButton* AdvancedFindButton() const { return advanced_; }
  TIndInfoPanel* Box() const { return box_; }
  QPushButton* FatherButton() const { return father_; }
  QPushButton* MotherButton() const { return mother_; }
  WSelectionButton* SpouseButton() const { return spouse_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Sync();
  template <class Action>
  void Act(Action&& action);
  void OpenAdvancedFind();

  WQuickFindLogic logic_;
  WSortLists lists_;
  WABSCollection* collection_;
  QLineEdit* search_ = nullptr;
  QLabel* selected_label_ = nullptr;
  QLabel* count_label_ = nullptr;
  QScrollBar* scroll_ = nullptr;
  QPushButton* advanced_ = nullptr;
  TIndInfoPanel* box_ = nullptr;
  QPushButton* father_ = nullptr;
  QPushButton* mother_ = nullptr;
  WSelectionButton* spouse_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};
