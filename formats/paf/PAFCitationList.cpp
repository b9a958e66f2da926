#include "formats/paf/PAFCitationList.h"

#include "formats/paf/PAFCollection.h"
#include "model/ABSCitation.h"

int WPAFCitationList::Load(WPAFCollection& collection, uint64_t link) {
  if (!loaded_) {
    loaded_ = true;
    if (link) numbers_ = collection.CitationChain(collection.View().I32LE(link));
  }
  return static_cast<int>(numbers_.size());
}

std::unique_ptr<WABSCitation> WPAFCitationList::Get(WPAFCollection& collection, int i) const {
  if (i < 1 || i > static_cast<int>(numbers_.size())) return nullptr;
  return collection.NewCitation(numbers_[i - 1]);
}

void WPAFCitationList::Clear() {
  numbers_.clear();
  loaded_ = false;
}
