#pragma once

#include <cstdint>

#include "base/ABSArrayIndex.h"

// One individual of a GEDCOM file: its record offset and the cache of where its key lines
// sit inside the record, filled the first time the individual is loaded.  Distances count
// bytes from the first byte of the record line; 0 means none.
struct GEDIndElement {
  uint32_t record_offset;
  uint32_t name_line;   // first level-1 NAME line
  uint32_t afn_value;   // value (line + 6) of the last level-1 AFN line
  uint32_t note_line;   // first level-1 NOTE line
  uint32_t birth_line;  // last level-1 BIRT line
  uint32_t christening_line;
  uint32_t death_line;
  uint32_t burial_line;
  uint32_t change_line;
  uint32_t lds_baptism_line;  // last BAPL or CONS line
  uint32_t endowment_line;
  uint32_t sealing_line;  // last SLGC line
  char sex;               // column 6 of the last SEX line; 'U' when none
  uint8_t flags;          // kCacheFilled, kManyNotes
  uint8_t reserved[2];

  static constexpr uint8_t kCacheFilled = 1;
  static constexpr uint8_t kManyNotes = 2;
};
static_assert(sizeof(GEDIndElement) == 52);

// The individuals of a GEDCOM file in file order (record number n = n-th individual).
class WGEDIndIndex : public WABSArrayIndex {
 public:
  explicit WGEDIndIndex(int initial_count = 0);

  // Appends an individual with an empty cache; returns its record number.
  int AppendIndividual(uint32_t record_offset);
  // The element of individual n, read and written in place; throws EIndexError outside
  // 1..count.  The address stays valid until the next append.
  GEDIndElement* Element(int n);
  uint32_t GetOffset(int n) const;
};
