#include "search/AttribIntArray.h"

#include <cstring>

#include "search/Attrib.h"

WAttribIntArray::WAttribIntArray(WCollectionIterator* list, int32_t count, WAttrib* attribute)
    : WAttribArray(list, 4, count, attribute) {
  if (attribute) Build(*attribute);
}

int32_t WAttribIntArray::Key(RecNo n) const {
  const uint8_t* element = Element(n);
  int32_t value = 0;
  if (element) std::memcpy(&value, element, 4);
  return value;
}

void WAttribIntArray::MakeKey(WAttrib& attribute, RecNo n, uint8_t* element) {
  const int32_t value = attribute.GetValue(n);
  std::memcpy(element, &value, 4);
}
