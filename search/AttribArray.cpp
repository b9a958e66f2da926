#include "search/AttribArray.h"

#include <cstring>

#include "base/UIHooks.h"
#include "search/Attrib.h"
#include "search/CollectionIterator.h"

namespace {

// The leading integer of a text (optional sign, then digits), as a number read by hand
// would be: 0 without digits, saturated at the int32 limits.
int64_t LeadingNumber(const char* p) {
  bool negative = false;
  if (*p == '-' || *p == '+') negative = *p++ == '-';
  int64_t value = 0;
  while (*p >= '0' && *p <= '9') {
    if (value < INT32_MAX) value = value * 10 + (*p - '0');
    ++p;
  }
  if (value > INT32_MAX) value = INT32_MAX;
  return negative ? -value : value;
}

}  // namespace

WAttribArray::WAttribArray(WCollectionIterator* list, int32_t element_size, int32_t count, WAttrib* attribute)
    : WABSArrayIndex(std::string(), false, element_size, count > 0 ? count : 0),
      list_(list),
      column_(attribute ? attribute->Column() : 0),
      data_type_(attribute ? attribute->DataType() : 0) {
  SetCount(count > 0 ? count : 0);
}

void WAttribArray::Build(WAttrib& attribute) {
  complete_ = false;
  const int32_t positions = list_ ? list_->Count() : 0;
  for (int32_t i = 1; i <= positions; ++i) {
    const RecNo n = list_->Get(i);
    if (IsValid(n)) MakeKey(attribute, n, Record(n));
    if (i % kYieldEvery == 0) {
      YieldToUI();
      if (ImportCancelled) return;
    }
  }
  complete_ = true;
}

int WAttribArray::CompareText(const char* a, const char* b) {
  // strcmp compares the bytes as unsigned char.
  const int c = std::strcmp(a, b);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

int WAttribArray::ComparePair(const char* a, const char* b) {
  const char* colon_a = std::strchr(a, ':');
  const char* colon_b = std::strchr(b, ':');
  if (!colon_a || !colon_b) return CompareText(a, b);
  const int64_t first_a = LeadingNumber(a), first_b = LeadingNumber(b);
  if (first_a != first_b) return first_a < first_b ? -1 : 1;
  const int64_t second_a = LeadingNumber(colon_a + 1), second_b = LeadingNumber(colon_b + 1);
  return second_a < second_b ? -1 : second_a > second_b ? 1 : 0;
}

int WAttribArray::CompareID(const char* a, const char* b) {
  const size_t length_a = std::strlen(a), length_b = std::strlen(b);
  if (length_a != length_b) return length_a < length_b ? -1 : 1;
  return CompareText(a, b);
}
