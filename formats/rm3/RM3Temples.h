#pragma once

#include <string>

// The LDS temples an ordinance's place may name instead of a place row: numbers 1 to 132,
// in alphabetical order of their codes, each shown as code, " - " and the temple's place.
class WRM3Temples {
 public:
  static constexpr int kCount = 132;

  // "SLAKE - Salt Lake" for 113; empty for a number outside 1..132.
  static std::string TempleText(int number);
  // The code alone ("SLAKE"); empty outside 1..132.
  static std::string TempleCode(int number);
};
