#include "formats/ged/GEDIndIndex.h"

#include "base/Errors.h"

WGEDIndIndex::WGEDIndIndex(int initial_count)
    : WABSArrayIndex("", false, sizeof(GEDIndElement), initial_count) {}

int WGEDIndIndex::AppendIndividual(uint32_t record_offset) {
  GEDIndElement element{};
  element.record_offset = record_offset;
  element.sex = 'U';
  return Append(&element);
}

GEDIndElement* WGEDIndIndex::Element(int n) {
  void* record = Get(n);
  if (record == nullptr) throw EIndexError(FormatMessage("Error: In valid index value = %d", n));
  return static_cast<GEDIndElement*>(record);
}

uint32_t WGEDIndIndex::GetOffset(int n) const {
  const void* record = Get(n);
  if (record == nullptr) throw EIndexError(FormatMessage("Error: In valid index value = %d", n));
  return static_cast<const GEDIndElement*>(record)->record_offset;
}
