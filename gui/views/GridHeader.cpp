#include "gui/views/GridHeader.h"

#include <QPainter>

#include "gui/app/QtColor.h"
#include "gui/app/SafeCall.h"

WGridHeader::WGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(false);
  setSectionsMovable(false);
  setHighlightSections(false);
  setSectionResizeMode(QHeaderView::Interactive);
  setStretchLastSection(false);
  setMinimumSectionSize(4);
}

QSize WGridHeader::sizeHint() const {
  QSize size = QHeaderView::sizeHint();
  // As tall as a data row.
  size.setHeight(14);
  return size;
}

void WGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  SafeCall([&] {
    painter->save();
    painter->fillRect(rect, ToQColor(kColorButtonFace));
    painter->setPen(ToQColor(kColorHighlightEdge));
    painter->drawLine(rect.topLeft(), rect.topRight());
    painter->drawLine(rect.topLeft(), rect.bottomLeft());
    painter->setPen(ToQColor(kColorShadowEdge));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomRight());
    if (model()) {
      const QString text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
      painter->setPen(Qt::black);
      painter->setFont(font());
      painter->drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                        text);
    }
    painter->restore();
  });
}
