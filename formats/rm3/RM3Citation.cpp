#include "formats/rm3/RM3Citation.h"

#include "formats/rm3/RM3Collection.h"
#include "formats/rm3/RM3Note.h"
#include "formats/rm3/RM3TabL.h"
#include "formats/rm3/RM3TabS.h"
#include "model/ABSSource.h"

WRM3Citation::WRM3Citation(WRM3Collection& collection, int link_pos)
    : collection_(collection), link_pos_(link_pos), details_(collection.TabL().Details(link_pos)) {}

std::string WRM3Citation::GetDetail() { return WRM3DBF::Piece(details_, 2); }

std::unique_ptr<WABSNote> WRM3Citation::GetNote() {
  return std::make_unique<WRM3Note>(WRM3DBF::Piece(details_, 3));
}

std::unique_ptr<WABSSource> WRM3Citation::GetSource() {
  const int source_id = collection_.TabL().Id1(link_pos_);
  if (source_id < 1) return nullptr;
  return collection_.GetSource(collection_.TabS().IdToPos(source_id));
}
