#pragma once

#include <vector>

#include "gui/views/ABSPanel.h"
#include "views/DescendantsLogic.h"

class QTableView;
class WDesModel;

// The Descendants tab: the active individual's descendants as an indented list, one row
// per descendant ("2 Name", with the generation number) and per spouse ("+ Name"), the
// columns the setting `DesColumns` names, and the lines of the tree when `DesShowLines` is
// on.  A person met again refers to the row where he or she stood first.  A double-click
// or Enter on a row makes that person active.  What it shows comes from the core's
// WDescendantsLogic.
class WDesPanel : public WABSPanel {
  Q_OBJECT
 public:
  explicit WDesPanel(QWidget* parent = nullptr);
  ~WDesPanel() override;

  void SetCollection(WABSCollection* collection) override;
  void SetIndividual(RecNo n) override;
  void Refresh() override;
  // DesGenLimit, DesRepDups, DesShowLines, DesIndent, DesColumns and DesNameCol.
  void ApplyDisplaySettings() override;

  const WDescendantsLogic& Logic() const { return logic_; }
  QTableView* Table() const { return table_; }
  const std::vector<DescendantColumn>& Columns() const { return columns_; }
  // The text of a cell as the list shows it (column 0 the name with its prefix).
  QString CellText(int row, int column) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Reload();

  WDescendantsLogic logic_;
  std::vector<DescendantColumn> columns_;
  QTableView* table_;
  WDesModel* model_;
};
