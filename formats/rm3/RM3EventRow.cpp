#include "formats/rm3/RM3EventRow.h"

#include <algorithm>

#include "base/TextUtils.h"
#include "formats/rm3/RM3Citation.h"
#include "formats/rm3/RM3Collection.h"
#include "formats/rm3/RM3Note.h"
#include "formats/rm3/RM3Place.h"
#include "formats/rm3/RM3TabE.h"
#include "formats/rm3/RM3TabL.h"

int WRM3EventRow::CitationCount() {
  if (!citations_found_) {
    citations_ = collection_.TabL().CitationLinks(3, collection_.TabE().EventId(pos_));
    citations_found_ = true;
  }
  return static_cast<int>(citations_.size());
}

std::unique_ptr<WABSCitation> WRM3EventRow::Citation(int i) {
  CitationCount();
  return CitationOf(collection_, citations_, i);
}

std::unique_ptr<WABSCitation> WRM3EventRow::CitationOf(WRM3Collection& collection,
                                                       const std::vector<int>& links, int i) {
  if (i < 1 || static_cast<size_t>(i) > links.size()) return nullptr;
  return std::make_unique<WRM3Citation>(collection, links[static_cast<size_t>(i) - 1]);
}

std::unique_ptr<WABSNote> WRM3EventRow::Note() const {
  return WRM3Note::NoneWhenEmpty(collection_.TabE().Note(pos_));
}

std::string WRM3EventRow::Description() const {
  std::string details = collection_.TabE().Details(pos_);
  std::replace(details.begin(), details.end(), '\x0c', ' ');
  return TrimText(details);
}

std::unique_ptr<WRM3Date> WRM3EventRow::Date() const { return collection_.TabE().EventDateFor(pos_); }

std::unique_ptr<WRM3Date> WRM3EventRow::SortDate() const { return collection_.TabE().SortDateFor(pos_); }

std::unique_ptr<WABSPlace> WRM3EventRow::Place(bool may_be_temple) const {
  const WRM3TabE& events = collection_.TabE();
  const int place_id = events.PlaceId(pos_);
  if (place_id < 1) return nullptr;
  return std::make_unique<WRM3Place>(collection_, place_id,
                                     may_be_temple ? events.PlaceType(pos_) : std::string());
}
