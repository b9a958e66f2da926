#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Value conversions shared by the database engines behind TDAOTable.

// A whole decimal number with an optional sign and blanks around it; 0 for anything else (an
// empty text, letters, a number that does not fit in 32 bits).
int32_t DAOStrictInt(std::string_view text);

// Jet 4 text bytes (UCS-2 little-endian, or the "compressed" form that starts FF FE and switches
// between one-byte and two-byte characters at every zero byte) as UTF-8.  An odd last byte is
// dropped; unpaired surrogates become "?".
std::string JetTextToUtf8(const unsigned char* bytes, size_t size);

// A Jet date (days since 30 December 1899, the fraction the time of day) as its parts; false
// for a value that is not a number or lies outside the years 1 to 9999.
bool JetDateParts(double value, int& year, int& month, int& day, int& hour, int& minute, int& second);
