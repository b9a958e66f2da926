#include "formats/rm3/RM3Source.h"

#include <vector>

#include "formats/rm3/RM3Collection.h"
#include "formats/rm3/RM3Note.h"
#include "formats/rm3/RM3TabL.h"
#include "formats/rm3/RM3TabS.h"

WRM3Source::WRM3Source(WRM3Collection& collection, int pos) : collection_(collection), pos_(pos) {}

RecNo WRM3Source::GetRepositoryRecord() {
  // The links name the source by its own sourceid.
  const std::vector<int> repositories =
      collection_.TabL().RepositoryLinks(2, collection_.TabS().PosToId(pos_));
  return repositories.empty() ? 0 : repositories.front();
}

std::string WRM3Source::GetTitle() { return collection_.TabS().Name(pos_); }

std::string WRM3Source::Note() const { return WRM3DBF::Piece(collection_.TabS().DetailsMemo(pos_), 1); }

std::string WRM3Source::Text() const { return WRM3DBF::Piece(collection_.TabS().TextMemo(pos_), 2); }

std::unique_ptr<WABSNote> WRM3Source::GetNote() { return std::make_unique<WRM3Note>(Note()); }

std::unique_ptr<WABSNote> WRM3Source::GetDisplayNote() { return WRM3Note::NoneWhenEmpty(Note()); }

std::unique_ptr<WABSNote> WRM3Source::GetText() { return WRM3Note::NoneWhenEmpty(Text()); }
