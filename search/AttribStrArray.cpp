#include "search/AttribStrArray.h"

#include "base/TextUtils.h"
#include "search/Attrib.h"

namespace {

// Writes the key of `text` into `out` (room for max_chars characters and the NUL); returns
// the number of characters written.  A NUL in the text ends the key.
size_t WriteKey(std::string_view text, size_t max_chars, char* out) {
  size_t k = 0;
  for (char c : text) {
    if (k == max_chars || c == '\0') break;
    out[k++] = UpperCaseChar(FoldAccentChar(c));
  }
  out[k] = '\0';
  return k;
}

}  // namespace

WAttribStrArray::WAttribStrArray(WCollectionIterator* list, int32_t element_size, int32_t count,
                                 WAttrib* attribute)
    : WAttribArray(list, element_size, count, attribute) {
  if (attribute) Build(*attribute);
}

const char* WAttribStrArray::Key(RecNo n) const {
  const uint8_t* element = Element(n);
  return element ? reinterpret_cast<const char*>(element) : "";
}

std::string WAttribStrArray::MakeKeyText(std::string_view text, size_t max_chars) {
  std::string key(max_chars + 1, '\0');
  key.resize(WriteKey(text, max_chars, key.data()));
  return key;
}

void WAttribStrArray::MakeKey(WAttrib& attribute, RecNo n, uint8_t* element) {
  WriteKey(attribute.GetText(n), static_cast<size_t>(RecordSize() - 1), reinterpret_cast<char*>(element));
}
