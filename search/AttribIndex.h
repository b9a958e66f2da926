#pragma once

#include "search/Attrib.h"

// The record number itself: text "n", value n.
class WAttribIndex : public WAttrib {
 public:
  explicit WAttribIndex(WABSCollection* collection) : WAttrib(collection, acIndex, atInteger, "Index") {}

  std::string GetText(RecNo n) override { return std::to_string(n); }
  int32_t GetValue(RecNo n) override { return n; }
};
