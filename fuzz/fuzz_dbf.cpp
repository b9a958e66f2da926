// Feeds arbitrary bytes to the dBase layer as a table with its memo file (see
// fuzz_dbf_input.h), read both as a text-field table and as a raw-integer table.

#include <cstdint>
#include <exception>

#include "FuzzReader.h"
#include "fuzz_dbf_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ImportCancelled = false;
  const DBFFuzzInput input = SplitDBFFuzzInput(std::string_view(reinterpret_cast<const char*>(data), size));
  FuzzMemoryFile table(reinterpret_cast<const uint8_t*>(input.table.data()), input.table.size());
  FuzzMemoryFile memo_file(reinterpret_cast<const uint8_t*>(input.memo.data()), input.memo.size());
  try {
    WFPTFile memo(input.has_memo ? memo_file.Path() : std::string());
    volatile size_t sink = WalkDBFTable<WDBFKeyedTable<WDBFFile>>(table.Path(), memo);
    sink = sink + WalkDBFTable<WDBFKeyedTable<WDBF5File>>(table.Path(), memo);
    (void)sink;
  } catch (const std::exception&) {
  }
  return 0;
}
