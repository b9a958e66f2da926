#pragma once

#include <QFont>
#include <QRectF>
#include <cstdint>

class QPainter;
class WPedigreeLogic;

// Draws a pedigree as boxes joined by lines, fitted into a rectangle: one column per
// generation from the person at the left to the oldest at the right, each box centred on
// its place (generation g has 2^(g-1) places, one per Ahnentafel number).  The boxes show
// what the Family tab's boxes show: the name in bold, the birth and the death line, as many
// lines as the place has room for.  The same drawing serves the tab and the printed page.
class WPedigreeChart {
 public:
  WPedigreeChart(const WPedigreeLogic& logic, int generations) : logic_(logic), generations_(generations) {}

  // The box of a number in `area` (empty for a number outside the generations shown).
  QRectF BoxRect(const QRectF& area, uint64_t number, double line_height) const;
  // The number whose box holds the point; 0 for none (also for an empty place).
  uint64_t HitTest(const QRectF& area, const QPointF& point, double line_height) const;
  // Draws every box and line; `selected` gets a heavier frame.  `font` sets the point size.
  void Paint(QPainter& painter, const QRectF& area, const QFont& font, uint64_t selected) const;

 private:
  const WPedigreeLogic& logic_;
  int generations_;
};
