// Feeds arbitrary bytes to the GEDCOM reader, as a file the viewer opens, then reads every
// record.

#include <cstdint>

#include "FuzzReader.h"
#include "formats/ged/GEDCollection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzReaderBytes(WGEDCollection::ReaderInfo(), data, size);
}
