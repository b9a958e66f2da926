#include "formats/ged/XREFIndex.h"

#include <algorithm>
#include <cstring>

#include "model/Errors.h"

namespace {

int CompareElements(const void* a, const void* b, void*) { return WXREFIndex::CompareKeys(a, b); }

// Compares an element with a padded search key.
int CompareWithKey(const void* element, const void* key) { return WXREFIndex::CompareKeys(element, key); }

}  // namespace

WXREFIndex::WXREFIndex(int initial_count) : WABSArrayIndex("", false, sizeof(Element), initial_count) {}

int WXREFIndex::CompareKeys(const void* a, const void* b) {
  if (a == nullptr || b == nullptr)
    throw ECompareError("Error in compare function of WRINAssocIndex - nil passed as an argument");
  return std::memcmp(a, b, kKeySize);
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
  Sort(CompareElements, nullptr, true);
  unsorted_ = false;
}

RecNo WXREFIndex::FindKey(std::string_view key) {
  if (key.empty() || Count() == 0) return 0;
  SortKeys();
  char padded[kKeySize] = {};
  std::memcpy(padded, key.data(), std::min<size_t>(key.size(), kKeySize - 1));
  int i = Find(CompareWithKey, padded);
  return i > 0 ? ElementAt(i)->rec_no : 0;
}
