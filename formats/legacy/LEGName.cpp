#include "formats/legacy/LEGName.h"

#include "formats/legacy/LEGCollection.h"
#include "formats/legacy/LEGTabInd.h"

namespace {

constexpr int kNameCitations = 1;

}  // namespace

WLEGName::WLEGName(WLEGCollection& collection, int number, int32_t idir)
    : collection_(collection), citations_(collection, idir, kNameCitations) {
  WLEGTabInd& table = collection.TabInd();
  if (table.NamesCached()) {
    const WLEGTabInd::Entry& e = table.At(number);
    surname_ = e.surname;
    given_ = e.given;
    prefix_ = e.prefix;
    title_ = e.title;
  } else if (table.Seek(idir)) {
    surname_ = table.Text("SurName");
    given_ = table.Text("GivenName");
    prefix_ = table.Text("prefix");
    title_ = table.Text("title");
  }
  citation_count_ = citations_.Count();
}
