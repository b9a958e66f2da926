#pragma once

#include <QTableView>

class WGridDelegate;
class WGridHeader;

// The grid of the three tabs: a fixed heading row (optional), rows 14 pixels high, whole-row
// single selection, no editing, "Arial" 8 points, drawn by WGridDelegate.  Column widths
// are the owner's to set.
class WGridView : public QTableView {
  Q_OBJECT
 public:
  explicit WGridView(QWidget* parent = nullptr);

  static constexpr int kRowHeight = 14;

  WGridDelegate* Delegate() const { return delegate_; }
  void SetHeadingVisible(bool visible);
  // The selected row, -1 when none.
  int SelectedRow() const;
  void SelectRow(int row);

 signals:
  // A double-click with the left button on a cell.
  void cellDoubleClicked(int row, int column);
  // Enter or Return on the current cell (the keyboard's double-click).
  void cellEntered(int row, int column);
  // The selected row changed (-1 = none).
  void selectedRowChanged(int row);
  // The grid's own size changed (owners fit their columns to it).
  void resized();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  WGridDelegate* delegate_;
  WGridHeader* header_;
};
