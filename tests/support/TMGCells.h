#pragma once

// The cells both TMG test writers put in their dBase rows.

#include <string>

#include "support/DBFWriter.h"
#include "support/TMGWriter.h"

namespace tmg_cells {

inline std::string Number(int value) { return std::to_string(value); }

inline std::string Flag(bool value) { return value ? "T" : "F"; }

// A memo cell: no memo for an empty text; block 1 (inside the memo file's header, which holds
// no text) for an empty memo that exists.
inline DBFWriter::Cell Memo(const std::string& text) {
  if (text == TMGWriter::kEmptyMemo) return DBFWriter::Cell::Block(1);
  return DBFWriter::Cell(text);
}

}  // namespace tmg_cells
