#pragma once

#include <string_view>

#include "search/AttribArray.h"

// Text keys: the attribute's GetText with accents folded to their base letters and
// upper-cased, cut to the element size less one and NUL-terminated.
class WAttribStrArray : public WAttribArray {
 public:
  // Elements of 48 bytes hold 47 characters, elements of 24 bytes 23.
  static constexpr int32_t kTextKeySize = 48;
  static constexpr int32_t kIDKeySize = 24;

  WAttribStrArray(WCollectionIterator* list, int32_t element_size, int32_t count, WAttrib* attribute);

  // The key of record n; "" outside 1..Count().
  const char* Key(RecNo n) const;

  // The key of a text: folded, upper-cased and cut to `max_chars` characters.
  static std::string MakeKeyText(std::string_view text, size_t max_chars);

 protected:
  void MakeKey(WAttrib& attribute, RecNo n, uint8_t* element) override;
};
