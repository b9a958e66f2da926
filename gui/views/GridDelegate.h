#pragma once

#include <QStyledItemDelegate>

// Draws the cells of the tabs' grids the way the tabs look: the cell's background
// (Qt::BackgroundRole, white by default) and text colour (Qt::ForegroundRole), the text 2
// pixels from the left, bold when Qt::FontRole says so, silver separators, and the selected
// row outlined in black.  A cell with tab stops (kTabStopsRole: a list of pixel positions)
// has its text split at TAB characters, part k drawn at stop k plus 2 pixels.
class WGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  static constexpr int kTabStopsRole = Qt::UserRole + 1;

  explicit WGridDelegate(QObject* parent = nullptr);

  // Silver lines under each row as well as between the columns.
  void SetRowSeparators(bool on) { row_separators_ = on; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  bool row_separators_ = true;
};
