#include "gui/views/PedigreeChart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "gui/app/AnsiText.h"
#include "gui/app/QtColor.h"
#include "views/PedigreeLogic.h"

namespace {

// Room between columns for the joining lines, as a share of a column.
constexpr double kGapShare = 0.12;
// Room between a box's frame and its text, as a share of a line: the same look on the screen
// and on a printer's many more pixels.
constexpr double kPadShare = 0.2;

int GenerationOf(uint64_t number) {
  int generation = 0;
  for (; number > 0; number /= 2) ++generation;
  return generation;
}

}  // namespace

QRectF WPedigreeChart::BoxRect(const QRectF& area, uint64_t number, double line_height) const {
  const int generation = GenerationOf(number);
  if (number == 0 || generation > generations_) return QRectF();
  const double column = area.width() / generations_;
  const double gap = column * kGapShare;
  const uint64_t first = uint64_t{1} << (generation - 1);
  const double places = static_cast<double>(first);
  const double place = area.height() / places;
  // Three lines and a frame when the place has room; fewer lines otherwise.
  const double full = 3 * line_height + 2 * line_height * kPadShare + 2;
  const double height = std::min(full, std::max(place - 2, line_height + 2));
  const double centre = area.top() + (static_cast<double>(number - first) + 0.5) * place;
  return QRectF(area.left() + (generation - 1) * column + 1, centre - height / 2, column - gap - 2, height);
}

uint64_t WPedigreeChart::HitTest(const QRectF& area, const QPointF& point, double line_height) const {
  for (const PedigreeEntry& entry : logic_.Entries()) {
    if (entry.generation > generations_) break;
    if (BoxRect(area, entry.number, line_height).contains(point)) return entry.number;
  }
  return 0;
}

void WPedigreeChart::Paint(QPainter& painter, const QRectF& area, const QFont& font,
                           uint64_t selected) const {
  QFont bold = font;
  bold.setBold(true);
  const QFontMetricsF metrics(font, painter.device());
  const double line = metrics.height() + 1;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  // The joining lines first, so that the boxes sit on top of them: from the right edge of a
  // box across to the middle of the gap, up and down to both parents, and in to each.
  painter.setPen(QPen(Qt::black, 0));
  for (const PedigreeEntry& entry : logic_.Entries()) {
    if (entry.generation >= generations_) break;
    const QRectF child = BoxRect(area, entry.number, line);
    for (uint64_t parent : {2 * entry.number, 2 * entry.number + 1}) {
      if (!logic_.Find(parent)) continue;
      const QRectF box = BoxRect(area, parent, line);
      const double middle = (child.right() + box.left()) / 2;
      const double y = child.center().y();
      painter.drawLine(QPointF(child.right(), y), QPointF(middle, y));
      painter.drawLine(QPointF(middle, y), QPointF(middle, box.center().y()));
      painter.drawLine(QPointF(middle, box.center().y()), QPointF(box.left(), box.center().y()));
    }
  }
  for (const PedigreeEntry& entry : logic_.Entries()) {
    if (entry.generation > generations_) break;
    const QRectF box = BoxRect(area, entry.number, line);
    painter.setPen(QPen(Qt::black, entry.number == selected ? 3 : 0));
    painter.setBrush(ToQColor(entry.box.Background()));
    painter.drawRect(box);
    painter.setPen(ToQColor(entry.box.TextColor()));
    const double pad = line * kPadShare;
    const int lines = std::clamp(static_cast<int>((box.height() - 2 * pad - 1) / line), 1, 3);
    const QString texts[3] = {AnsiToQ(entry.box.NameString()), AnsiToQ(entry.box.BirthString()),
                              AnsiToQ(entry.box.DeathString())};
    // A person shown a second time (the same ancestor on two lines) says where else.
    QString name = texts[0];
    if (entry.first_number) name += QStringLiteral(" (%1)").arg(entry.first_number);
    double width = box.width() - 2 * pad - 2;
    // With UseLDS the four ordinance letters stand at the right end of the name line.
    if (entry.box.UseLDS()) {
      const double cell = line * 0.6;
      const double left = box.right() - 4 * cell;
      painter.setPen(QPen(Qt::black, 0));
      painter.drawLine(QPointF(left, box.top()), QPointF(left, box.top() + line + pad));
      QFont letters = font;
      letters.setPointSizeF(font.pointSizeF() * 0.9);
      painter.setFont(letters);
      const bool set[4] = {entry.box.LDSBap(), entry.box.LDSEnd(), entry.box.LDSSP(), entry.box.LDSSS()};
      for (int k = 0; k < 4; ++k)
        if (set[k])
          painter.drawText(QRectF(left + k * cell, box.top() + pad + 1, cell, line), Qt::AlignCenter,
                           QString(QLatin1Char("BEPS"[k])));
      painter.setPen(ToQColor(entry.box.TextColor()));
      width -= 4 * cell;
    }
    for (int i = 0; i < lines; ++i) {
      painter.setFont(i == 0 ? bold : font);
      const QFontMetricsF m(painter.font(), painter.device());
      const QString text = m.elidedText(i == 0 ? name : texts[i], Qt::ElideRight, width);
      painter.drawText(QRectF(box.left() + pad + 1, box.top() + pad + 1 + i * line, width, line),
                       Qt::AlignLeft | Qt::AlignVCenter, text);
    }
  }
  painter.restore();
}
