#include "formats/rm3/RM3TabA.h"

#include "base/TextUtils.h"

namespace {
constexpr int kNotePiece = 10;
}

WRM3TabA::WRM3TabA(const std::string& directory, const std::string& baseName)
    : WRM3DBF(directory, "A", baseName), name_(FieldIndex("Name")), address_(FieldIndex("Address")) {}

std::string WRM3TabA::AddressPiece(int pos, int k) const {
  return TrimText(Piece(MemoText(pos, address_), k));
}

bool WRM3TabA::RepositoryNote(int pos, std::string& note) const {
  const std::vector<std::string> pieces = Pieces(MemoText(pos, address_));
  if (pieces.size() < kNotePiece) return false;
  note = pieces[kNotePiece - 1];
  return true;
}
