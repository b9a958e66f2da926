#pragma once

#include <cstdint>

// A 1-based record number of an individual, family, note, source or repository within
// one collection; 0 means none.
using RecNo = int32_t;

// Event kinds.  Kinds 1 to 4 are the vital events a person has at most once; kind 6
// covers every other event; 7 to 9 are the LDS ordinances of a person.
enum EventKind : int {
  evBirth = 1,
  evDeath = 2,
  evChristening = 3,
  evBurial = 4,
  evBaptism = 5,
  evOther = 6,
  evLDSBaptism = 7,
  evEndowment = 8,
  evSealingToParents = 9,
};
