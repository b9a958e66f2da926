#pragma once

#include <string>

#include "formats/rm3/RM3DBF.h"

// Table A: addresses and repositories.  The address memo holds its parts separated by form
// feeds: 1 the address text, 2 city, 3 state, 4 postal code, 5 country, 6 phone, and 10 the
// repository's note.
class WRM3TabA : public WRM3DBF {
 public:
  WRM3TabA(const std::string& directory, const std::string& baseName);

  // The repository's name, trimmed.
  std::string Name(int pos) const { return TrimmedText(pos, name_); }
  // Part k of the address memo, trimmed; empty when the memo has fewer parts.
  std::string AddressPiece(int pos, int k) const;
  // Part 10 of the address memo as stored; false when the memo has fewer parts.
  bool RepositoryNote(int pos, std::string& note) const;

 private:
  int name_, address_;
};
