// Feeds arbitrary bytes to the Family Tree Maker reader, as a file the viewer opens, then
// reads every record.

#include <cstdint>

#include "FuzzReader.h"
#include "formats/ftm/FTWCollection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzReaderBytes(WFTWCollection::ReaderInfo(), data, size);
}
