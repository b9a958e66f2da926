#include "formats/rm3/RM3Address.h"

#include "formats/rm3/RM3TabA.h"

std::string WRM3Address::Piece(int k) const { return table_.AddressPiece(pos_, k); }
