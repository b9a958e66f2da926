#include "gui/app/Fonts.h"

QFont ArialFont(int points, bool bold) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}
