#include "formats/ged/XREFIndex.h"

#include <algorithm>
#include <cstring>

#include "base/Errors.h"

WXREFIndex::WXREFIndex(int initial_count) : WABSArrayIndex("", false, sizeof(Element), initial_count) {}

void WXREFIndex::ThrowMissingKey() {
  throw ECompareError("Error in compare function of WRINAssocIndex - nil passed as an argument");
}

RecNo WXREFIndex::AddKey(std::string_view key) {
  if (key.empty()) return 0;
  Element element{};
  std::memcpy(element.key, key.data(), std::min<size_t>(key.size(), kKeySize - 1));
  element.rec_no = Count() + 1;
  Append(&element);
  int count = Count();
  if (count > 1 && !unsorted_ && CompareKeys(&element, Get(count - 1)) < 0) unsorted_ = true;
  return element.rec_no;
}

void WXREFIndex::SortKeys() {
  if (!unsorted_) return;
  Sort([](const void* a, const void* b) { return CompareKeys(a, b); }, true);
  unsorted_ = false;
}

RecNo WXREFIndex::FindKey(std::string_view key) {
  if (key.empty() || Count() == 0) return 0;
  SortKeys();
  char padded[kKeySize] = {};
  std::memcpy(padded, key.data(), std::min<size_t>(key.size(), kKeySize - 1));
  int i = Find([](const void* element, const void* search) { return CompareKeys(element, search); },
               static_cast<const void*>(padded));
  return i > 0 ? ElementAt(i)->rec_no : 0;
}
