// Feeds arbitrary bytes to the PAF reader, as a .paf file the viewer opens, then reads every
// record.

#include <cstdint>

#include "FuzzReader.h"
#include "formats/paf/PAFCollection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzReaderBytes(WPAFCollection::ReaderInfo(), data, size);
}
