#include "formats/tmg/TMGPrimeEventArray.h"

#include <cstring>
#include <string>

WTMGPrimeEventArray::WTMGPrimeEventArray(int32_t count) {
  Create(std::string(), false, sizeof(Entry), count > 0 ? count : 0);
  const Entry fresh;
  for (int32_t i = 0; i < count; ++i) Append(&fresh);
}

WTMGPrimeEventArray::Entry WTMGPrimeEventArray::Get(int32_t p) const {
  Entry entry;
  if (const void* record = WABSArrayIndex::Get(p)) std::memcpy(&entry, record, sizeof entry);
  return entry;
}

void WTMGPrimeEventArray::Put(int32_t p, const Entry& entry) { Set(p, &entry); }
