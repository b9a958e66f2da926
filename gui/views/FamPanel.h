#pragma once

#include <array>

#include "gui/views/ABSPanel.h"
#include "views/FamPanelLogic.h"

class QFrame;
class QLabel;
class QToolButton;
class TIndInfoPanel;
class WFamGridModel;
class WGridView;

// The Family tab: six person boxes (the active individual with father and mother, the
// spouse of the current marriage with the spouse's father and mother), the marriage and
// counter labels, the next-spouse button, arrow buttons beside the four parents' boxes and
// the children grid below.  What it shows comes from the core's WFamPanelLogic.
//
// How the main window uses it (besides WABSPanel):
//   - ApplyDisplaySettings() at start-up and after the options dialog (UseLDS, ShowIndHint,
//     FamBirChr).
//   - individualRequested(n) when the user double-clicks a box, clicks an arrow, or
//     double-clicks a child's name or the child's spouse in the grid.
class WFamPanel : public WABSPanel {
  Q_OBJECT
 public:
  explicit WFamPanel(QWidget* parent = nullptr);
  ~WFamPanel() override;

  void SetCollection(WABSCollection* collection) override;
  void SetIndividual(RecNo n) override;
  void Refresh() override;
  void ApplyDisplaySettings() override;

  void SetUseLDS(bool use);
  void SetShowIndHint(bool show);
  void SetFamBirChr(bool fall_back);

  // For tests.
  const WFamPanelLogic& Logic() const { return logic_; }
  TIndInfoPanel* Box(int box) const { return boxes_.at(box); }
  QToolButton* Arrow(int box) const { return arrows_.at(box); }
  QToolButton* NextSpouseButton() const { return next_spouse_; }
  QLabel* MarriageLabel() const { return marriage_label_; }
  QLabel* CounterLabel() const { return counter_label_; }
  WGridView* Grid() const { return grid_; }
  // Height of the area above the children grid.
  int TopAreaHeight() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Shows boxes, labels, buttons and the grid as the core has them.
  void ShowFamily();
  void LayOut();

  WFamPanelLogic logic_;
  std::array<TIndInfoPanel*, WFamPanelLogic::kBoxCount> boxes_{};
  std::array<QToolButton*, WFamPanelLogic::kBoxCount> arrows_{};
  QLabel* active_caption_;
  QLabel* spouse_caption_;
  QLabel* marriage_label_;
  QLabel* counter_label_;
  QToolButton* next_spouse_;
  QFrame* separator_;
  WGridView* grid_;
  WFamGridModel* model_;
};
