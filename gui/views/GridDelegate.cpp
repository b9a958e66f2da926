#include "gui/views/GridDelegate.h"

#include <QPainter>

#include "gui/app/QtColor.h"
#include "gui/app/SafeCall.h"

WGridDelegate::WGridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void WGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
  SafeCall([&] {
    painter->save();
    const QRect r = option.rect;
    const QVariant background = index.data(Qt::BackgroundRole);
    painter->fillRect(r, background.canConvert<QColor>() ? background.value<QColor>() : QColor(Qt::white));

    const QVariant foreground = index.data(Qt::ForegroundRole);
    painter->setPen(foreground.canConvert<QColor>() ? foreground.value<QColor>() : QColor(Qt::black));
    QFont font = option.font;
    const QVariant font_data = index.data(Qt::FontRole);
    if (font_data.canConvert<QFont>()) font = font_data.value<QFont>();
    painter->setFont(font);
    painter->setClipRect(r.adjusted(0, 0, -1, 0));
    const QString text = index.data(Qt::DisplayRole).toString();
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const QVariantList stops = index.data(kTabStopsRole).toList();
    if (stops.isEmpty()) {
      painter->drawText(r.adjusted(2, 0, -1, 0), flags, text);
    } else {
      const QStringList parts = text.split(QLatin1Char('\t'));
      for (int k = 0; k < parts.size(); ++k) {
        int left = 2;
        if (k > 0) {
          if (k - 1 >= stops.size()) break;
          left = stops[k - 1].toInt() + 2;
        }
        painter->drawText(
            QRect(r.left() + left, r.top(), std::max(0, r.right() - r.left() - left), r.height()), flags,
            parts[k]);
      }
    }
    painter->setClipping(false);

    const bool selected = option.state & QStyle::State_Selected;
    const int last_column = index.model() ? index.model()->columnCount(index.parent()) - 1 : index.column();
    if (selected) {
      painter->setPen(Qt::black);
      painter->drawLine(r.topLeft(), r.topRight());
      painter->drawLine(r.bottomLeft(), r.bottomRight());
      if (index.column() == 0) painter->drawLine(r.topLeft(), r.bottomLeft());
      if (index.column() == last_column) painter->drawLine(r.topRight(), r.bottomRight());
    } else {
      painter->setPen(ToQColor(kColorSilver));
      painter->drawLine(r.topRight(), r.bottomRight());
      if (row_separators_) painter->drawLine(r.bottomLeft(), r.bottomRight());
    }
    painter->restore();
  });
}
