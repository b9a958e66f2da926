#pragma once

#include <cstdint>
#include <memory>

#include "model/RecNo.h"

class WABSArrayIndex;
class WABSCollection;
class WLinkArray;

// Per individual: the parent families (each with the child's relation codes to the
// mother and to the father) and the spouse families.  The first family of each kind
// lives in the individual's own record, further ones in an overflow chain.
// Individuals outside 1..Count are ignored by every operation.
class WIndLinks {
 public:
  // Most spouse families one person's ordering pass looks at.
  static constexpr int kMaxOrderedSpouseFamilies = 512;

  explicit WIndLinks(int individual_count);
  ~WIndLinks();
  WIndLinks(const WIndLinks&) = delete;
  WIndLinks& operator=(const WIndLinks&) = delete;

  int Count();

  // Adds a parent family.  Without `force` a family already listed only gets the new
  // relation codes; `make_primary` moves it to the first place and fixes that place.
  void AddParentFamily(RecNo individual, bool force, bool make_primary, int mother_relation,
                       int father_relation, RecNo family);
  // Adds a spouse family; the first spouse family is never entered twice.
  void AddSpouseFamily(RecNo individual, bool force, bool make_primary, RecNo family);

  int ParentFamilyCount(RecNo individual);
  int SpouseFamilyCount(RecNo individual);
  // The i-th family (1-based); 0 when out of range.
  RecNo GetParentFamily(RecNo individual, int i);
  RecNo GetSpouseFamily(RecNo individual, int i);
  // The i-th parent family with its relation codes; false when out of range.
  bool GetParentFamilyLink(RecNo individual, int i, RecNo& family, int& mother_relation,
                           int& father_relation);
  // Moves that family to the first place (exchanging it with the current first, each
  // keeping its relation codes) and marks the first place as fixed.  A fixed spouse
  // family also makes the spouse order final: OrderSpouseFamilies leaves it alone.
  void MakePrimaryParentFamily(RecNo individual, RecNo family);
  void MakePrimarySpouseFamily(RecNo individual, RecNo family);
  // True once a primary parent family was fixed for the individual.
  bool IsPrimaryParentFixed(RecNo individual);
  // True once a primary spouse family was fixed for the individual.
  bool IsPrimarySpouseFixed(RecNo individual);
  // True once the individual's spouse families are in their final order.
  bool AreSpouseFamiliesOrdered(RecNo individual);

  // Orders every person's spouse families by marriage date (undated first), then by
  // the other spouse's full name ignoring case.  Run once after Import.
  void OrderSpouseFamilies(WABSCollection& collection);

 private:
  struct Record {
    uint8_t flags = 0;
    int32_t parent_count = 0;
    int32_t first_parent = 0;
    int16_t father_relation = 0;
    int16_t mother_relation = 0;
    int32_t parent_chain = 0;
    int32_t spouse_count = 0;
    int32_t first_spouse = 0;
    int32_t spouse_chain = 0;
  };
  bool Load(RecNo individual, Record& rec);
  void Store(RecNo individual, const Record& rec);
  void OrderSpousesOf(RecNo individual, Record& rec, WABSCollection& collection);

  std::unique_ptr<WABSArrayIndex> records_;
  std::unique_ptr<WLinkArray> parents_;
  std::unique_ptr<WLinkArray> spouses_;
};
