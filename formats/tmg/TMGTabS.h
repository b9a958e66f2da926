#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "formats/dbf/DBFIdPairs.h"
#include "formats/tmg/TMGTable.h"

// The citations (S): each cites a source (MAJSOURCE) for a record of the kind STYPE names
// ("N" a name, "E" an event, "F", "M") by that record's RECNO (REFREC).
class WTMGTabS : public WTMGTable {
 public:
  // Most citations one record shows.
  static constexpr int kMaxCitations = 100;

  explicit WTMGTabS(Opened opened);
  ~WTMGTabS() override;

  char Kind(int pos) const { return PosChar(pos, stype_); }
  int RefRec(int pos) const { return PosInt(pos, refrec_); }
  int Source(int pos) const { return PosInt(pos, majsource_); }
  std::string DetailMemo(int pos) const { return PosMemo(pos, subsource_); }

  // Positions of the citations of kind 'N', 'F', 'M' or 'E' on one record, in index order, at
  // most kMaxCitations.  The index is built on first use.
  std::vector<int> CitationsOf(char kind, int refrec);

 private:
  void BuildCitationIndex();

  int stype_, refrec_, majsource_, subsource_;
  bool indexed_ = false;
  std::array<std::unique_ptr<WDBFIdPairs>, 4> by_kind_;
};
