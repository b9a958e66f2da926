#pragma once

#include <cstdint>

// Colours of the views as 0xRRGGBB values; the GUI turns them into its own colour type.
using WColor = uint32_t;

constexpr WColor kColorWhite = 0xFFFFFF;
constexpr WColor kColorBlack = 0x000000;
// The lines between grid rows.
constexpr WColor kColorSilver = 0xC0C0C0;
