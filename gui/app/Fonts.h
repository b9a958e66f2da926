#pragma once

#include <QFont>

// The viewer's one typeface: the Windows layouts it follows were drawn in Arial, whose
// metric twin on Linux is Liberation Sans.  Set explicitly so that no desktop theme's
// font changes row heights or column widths.
QFont ArialFont(int points = 8, bool bold = false);
