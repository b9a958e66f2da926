#pragma once

#include <QWidget>

#include "model/RecNo.h"
#include "views/IndScrollLogic.h"

class QLabel;
class QScrollBar;
class QToolButton;
class WABSCollection;
class WSelectionButton;

// The strip above the tabs that holds the active individual: a caption, a scroll bar over
// all individuals, and the buttons "F", "M" and "S" (father, mother, spouses and children).
// WIndScrollLogic decides everything; this widget mirrors its state and routes clicks.
// changed() is raised after every change of the active individual or the collection.
class WIndScrollLite : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHeight = 37;

  explicit WIndScrollLite(QWidget* parent = nullptr);

  void SetCollection(WABSCollection* collection);
  WABSCollection* Collection() const { return logic_.Collection(); }
  void GoToIndividual(RecNo n);
  RecNo CurrentIndividual() const { return logic_.CurrentIndividual(); }
  // The scroll position (the list position of the active individual).
  int Position() const { return logic_.ScrollPosition(); }
  void GoBack();
  void GoForward();
  bool CanGoBack() const { return logic_.CanGoBack(); }
  bool CanGoForward() const { return logic_.CanGoForward(); }
  void RefreshCaption();

  WIndScrollLogic& Logic() { return logic_; }
  QLabel* CaptionLabel() const { return caption_; }
  QScrollBar* ScrollBar() const { return scroll_; }
  QToolButton* FatherButton() const { return father_; }
  QToolButton* MotherButton() const { return mother_; }
  WSelectionButton* SpouseButton() const { return spouse_; }

  QSize sizeHint() const override;

 signals:
  void changed();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // A frame in the highlight colour round the scroll bar while it has the keyboard focus.
  void paintEvent(QPaintEvent* event) override;
  // The scroll bar's keys: Qt's scroll bar takes no keys of its own.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Copies the logic's state into the widgets.
  void Mirror();
  void LayOut();

  WIndScrollLogic logic_;
  QLabel* caption_;
  QScrollBar* scroll_;
  QToolButton* father_;
  QToolButton* mother_;
  WSelectionButton* spouse_;
  bool mirroring_ = false;
};
