#pragma once

#include <QHeaderView>

// The heading row of the tabs' grids: button-face cells with a light top-left and a grey
// bottom-right edge, the caption 2 pixels from the left.  Fixed: no sorting, no moving.
class WGridHeader : public QHeaderView {
  Q_OBJECT
 public:
  explicit WGridHeader(QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};
