#pragma once

#include <cstdint>

#include "base/Date.h"

// A date as Family Tree Maker stores it: a 4-byte date word (and, for ranges of two full
// dates, a second word).  Of the word, w0 is the low and w1 the high 16 bits; w0 & 7
// is the qualifier code:
//   0 before, 1 about, 2 none, 3 after, 7 none: day (w0 >> 3) & 31, month (w0 >> 9) & 15,
//     year w1;
//   4 between two years: w1 >> 4 and w0 >> 4;   5 estimated: the year w1 >> 4;
//   6 between two full dates: the first as above, the second from the second word.
// Years before 1753 in the first three months (up to 24 March) are old-style double dates:
// the stored year is the second year and the first is one less ("10 Feb 1699/1700").
// The decoded date is valid and standard; its text is its display form.
// Bit 13 of w0 (0x2000) is no part of a calendar date in the general forms: a word with it set
// holds a date word, 02 34 00 00 "Dead" and 02 3C 00 00 "Unknown", read as date texts are;
// any other such word holds no date.  (In the between-two-years form w0 holds the second year,
// whose bits these are.)
class WFTWDate : public WDate {
 public:
  explicit WFTWDate(uint32_t first_word, uint32_t second_word = 0);

  // True when a word holds no date: all zero bytes, 02 00 00 00, or a keyword word that is
  // none of the known words.
  static bool IsNone(uint32_t word) {
    return word == 0 || word == 2 || (IsKeyword(word) && KeywordText(word) == nullptr);
  }
  // True when the word stands for a word instead of a calendar date.
  static bool IsKeyword(uint32_t word) { return (word & 7) != 4 && (word & 0x2000) != 0; }
  // The text of a keyword word; nullptr for any other word.
  static const char* KeywordText(uint32_t word);

 private:
  // Day, month and year of a word in the general form.
  static void GeneralParts(uint32_t word, int& year, int& month, int& day);
};
