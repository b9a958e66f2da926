#pragma once

#include "gui/views/ABSPanel.h"
#include "views/IndPanelLogic.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QSplitter;
class WGridView;
class WIndGridModel;

// The Individual tab: a top bar ("Sex:", "Modified:", the "Chronological" and "TMG
// Sentence" check boxes), the grid of the active person's rows, and below it the note pane
// and the sources pane of the selected row.  The rows themselves come from the core's
// WIndPanelLogic.
//
// How the main window uses it (besides WABSPanel):
//   - ApplyDisplaySettings() at start-up and after the options dialog (UseLDS, Chrono,
//     TMGTagSent), or the single setters below.
//   - When the user ticks "Chronological" the tab rebuilds, stores "Chrono" in Options()
//     and emits chronologicalToggled.  When the user ticks "TMG Sentence" the tab stores
//     "TMGTagSent", rebuilds and emits tmgSentenceToggled; the main window may refresh.
//   - A double-click on a row naming a person emits individualRequested(n).
class WIndPanel : public WABSPanel {
  Q_OBJECT
 public:
  explicit WIndPanel(QWidget* parent = nullptr);
  ~WIndPanel() override;

  void SetCollection(WABSCollection* collection) override;
  void SetIndividual(RecNo n) override;
  void Refresh() override;
  void ApplyDisplaySettings() override;

  void SetUseLDS(bool use);
  void SetChronological(bool chronological);
  bool Chronological() const { return logic_.Chronological(); }
  void SetTMGSentence(bool on);
  bool TMGSentence() const { return logic_.TMGSentence(); }

  // For tests and the main window's checks.
  const WIndPanelLogic& Logic() const { return logic_; }
  WGridView* Grid() const { return grid_; }
  QCheckBox* ChronologicalBox() const { return chrono_box_; }
  QCheckBox* TMGSentenceBox() const { return tmg_box_; }
  QPlainTextEdit* NotePane() const { return note_pane_; }
  QPlainTextEdit* SourcesPane() const { return sources_pane_; }
  QString SexLabelText() const;
  QString ModifiedLabelText() const;

 signals:
  void chronologicalToggled(bool chronological);
  void tmgSentenceToggled(bool on);

 private:
  // Shows the rows, labels and panes of the core after a rebuild.
  void ShowRows();
  void ShowPanes();
  void FitInformationColumn(int less);
  // Widens the Date column to the longest date text of the rows shown, never below its own
  // width nor below the width the user last gave it.
  void FitDateColumn();

  WIndPanelLogic logic_;
  QLabel* sex_value_;
  QLabel* modified_value_;
  QCheckBox* chrono_box_;
  QCheckBox* tmg_box_;
  WGridView* grid_;
  WIndGridModel* model_;
  QSplitter* main_splitter_;
  QSplitter* pane_splitter_;
  QPlainTextEdit* note_pane_;
  QPlainTextEdit* sources_pane_;
  int date_width_wanted_;      // the Date column's least width: its own, or the user's
  bool fitting_date_ = false;  // the Date column is being sized by the panel, not the user
};
