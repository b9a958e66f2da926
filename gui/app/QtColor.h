#pragma once

#include <QColor>

#include "views/Colors.h"

// A colour of the views (0xRRGGBB) as Qt's colour.
inline QColor ToQColor(WColor color) { return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | color)); }
