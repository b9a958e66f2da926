// Feeds arbitrary bytes to the Legacy reader as a ".fdb" file: libmdb opens them as a Jet
// database (behind the reader's own checks), the reader imports the tables, and every record is
// read.  Seeds are Legacy files written by the tests' Jet writer.

#include <cstdint>

#include "FuzzReader.h"
#include "formats/legacy/LEGCollection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzReaderBytes(WLEGCollection::ReaderInfo(), data, size);
}
