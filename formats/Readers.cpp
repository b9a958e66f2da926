#include "formats/Readers.h"

#include "formats/ftm/FTWCollection.h"
#include "formats/ged/GEDCollection.h"
#include "formats/legacy/LEGCollection.h"
#include "formats/paf/PAFCollection.h"
#include "formats/rm3/RM3Collection.h"
#include "formats/tmg/TMG5Collection.h"
#include "formats/tmg/TMGCollection.h"

const std::vector<const WReaderInfo*>& RegisteredReaders() {
  static const std::vector<const WReaderInfo*> readers = {
      &WGEDCollection::ReaderInfo(),
      &WPAFCollection::ReaderInfo(),
      &WTMGCollection::ReaderInfo(),
      &WTMG5Collection::ReaderInfo(),
      &WLEGCollection::ReaderInfo(),
      &WFTWCollection::ReaderInfo(),
      &WRM3Collection::ReaderInfo(),
  };
  return readers;
}

const WReaderInfo* ReaderForExtension(const std::string& extension) {
  for (const WReaderInfo* reader : RegisteredReaders())
    for (const std::string& e : reader->extensions)
      if (e == extension) return reader;
  return nullptr;
}
