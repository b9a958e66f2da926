#pragma once

#include <cstdint>

// Colours of the views as 0xRRGGBB values; the GUI turns them into its own colour type.
using WColor = uint32_t;

constexpr WColor kColorWhite = 0xFFFFFF;
constexpr WColor kColorBlack = 0x000000;
// The lines between grid rows.
constexpr WColor kColorSilver = 0xC0C0C0;
// Heading cells, empty person boxes and other raised surfaces.
constexpr WColor kColorButtonFace = 0xF0F0F0;
// The light and dark edges of a raised heading cell.
constexpr WColor kColorHighlightEdge = 0xFFFFFF;
constexpr WColor kColorShadowEdge = 0x808080;
