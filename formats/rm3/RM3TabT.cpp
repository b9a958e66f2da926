#include "formats/rm3/RM3TabT.h"

int WRM3TabT::FirstRowOf(int t) const {
  if (!mapped_) {
    for (int pos = 1; pos <= LiveCount(); ++pos) first_row_.emplace(PosInt(pos, type_), pos);
    mapped_ = true;
  }
  const auto found = first_row_.find(t);
  return found == first_row_.end() ? 0 : found->second;
}

std::string WRM3TabT::TypeName(int t) const { return TrimmedText(FirstRowOf(t), name_); }
