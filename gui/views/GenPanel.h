#pragma once

#include <string>

#include "gui/views/ABSPanel.h"
#include "views/GenPanelRows.h"

class WGenGridModel;
class WGridView;

// The General tab: the file with its record counts, the submitter and the file's header
// information, as rows of label and value (built by the core's WGenPanelRows).
//
// How the main window uses it, after a successful import:
//   SetCollection(collection); SetFileName(path); SetImportTime(seconds text), the text made
//   by WGenPanelRows::FormatImportTime ("%.3f seconds").  SetCollection(nullptr) empties it.
// Texts are model texts (Windows-1252); a path from Qt goes in through ToAnsi().
class WGenPanel : public WABSPanel {
  Q_OBJECT
 public:
  explicit WGenPanel(QWidget* parent = nullptr);

  void SetCollection(WABSCollection* collection) override;
  // The General tab does not follow the current individual.
  void SetIndividual(RecNo) override {}
  void Refresh() override;

  void SetFileName(const std::string& name);
  void SetImportTime(const std::string& text);

  // For tests.
  const WGenPanelRows& Rows() const { return rows_; }
  WGridView* Grid() const { return grid_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowRows();
  void FitColumns();

  WGenPanelRows rows_;
  WGridView* grid_;
  WGenGridModel* model_;
};
