#include "model/IndLinks.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "base/ABSArrayIndex.h"
#include "base/Date.h"
#include "base/TextUtils.h"
#include "model/ABSCollection.h"
#include "model/ABSMarriage.h"
#include "model/LinkArray.h"

namespace {

// Flag bits of an individual's record.
constexpr uint8_t kParentPrimaryFixed = 1;
constexpr uint8_t kSpousesOrdered = 2;
// A spouse family made primary: its place is fixed, so the order is final as well.
constexpr uint8_t kSpousePrimaryFixed = 4;
constexpr uint8_t kSpousePrimary = kSpousesOrdered | kSpousePrimaryFixed;

// Entry data of a parent link: the two relation codes.
constexpr int kMotherRelation = 0;
constexpr int kFatherRelation = 1;

WLinkArray::Entry ParentEntry(RecNo family, int mother_relation, int father_relation) {
  WLinkArray::Entry entry;
  entry.rec = family;
  entry.data[kMotherRelation] = mother_relation;
  entry.data[kFatherRelation] = father_relation;
  return entry;
}

WLinkArray::Entry SpouseEntry(RecNo family) {
  WLinkArray::Entry entry;
  entry.rec = family;
  return entry;
}

}  // namespace

WIndLinks::WIndLinks(int individual_count) {
  const int count = std::max(individual_count, 0);
  records_ = std::make_unique<WABSArrayIndex>("", false, static_cast<int32_t>(sizeof(Record)), count);
  records_->SetCount(count);
  parents_ = std::make_unique<WLinkArray>(count / 3);
  spouses_ = std::make_unique<WLinkArray>(count / 3);
}

WIndLinks::~WIndLinks() = default;

int WIndLinks::Count() { return records_->Count(); }

bool WIndLinks::Load(RecNo individual, Record& rec) {
  const void* at = records_->Get(individual);
  if (!at) return false;
  std::memcpy(&rec, at, sizeof rec);
  return true;
}

void WIndLinks::Store(RecNo individual, const Record& rec) { records_->Set(individual, &rec); }

void WIndLinks::AddParentFamily(RecNo individual, bool force, bool make_primary, int mother_relation,
                                int father_relation, RecNo family) {
  Record rec;
  if (family <= 0 || !Load(individual, rec)) return;
  if (make_primary) rec.flags |= kParentPrimaryFixed;
  if (rec.first_parent == 0) {
    rec.first_parent = family;
    rec.mother_relation = static_cast<int16_t>(mother_relation);
    rec.father_relation = static_cast<int16_t>(father_relation);
    rec.parent_count = 1;
    Store(individual, rec);
    return;
  }
  if (!force && family == rec.first_parent) {
    Store(individual, rec);
    return;
  }
  const WLinkArray::Entry entry = ParentEntry(family, mother_relation, father_relation);
  if (rec.parent_chain != 0) {
    const int existing = force ? 0 : parents_->Find(rec.parent_chain, family);
    if (existing > 0) {
      parents_->Set(rec.parent_chain, existing, entry);
    } else {
      parents_->Append(rec.parent_chain, entry);
      ++rec.parent_count;
    }
    Store(individual, rec);
    if (make_primary) MakePrimaryParentFamily(individual, family);
    return;
  }
  ++rec.parent_count;
  if (make_primary) {
    // The old first family, with its codes, starts the chain.
    rec.parent_chain = 0;
    parents_->Append(rec.parent_chain,
                     ParentEntry(rec.first_parent, rec.mother_relation, rec.father_relation));
    rec.first_parent = family;
    rec.mother_relation = static_cast<int16_t>(mother_relation);
    rec.father_relation = static_cast<int16_t>(father_relation);
  } else {
    parents_->Append(rec.parent_chain, entry);
  }
  Store(individual, rec);
}

void WIndLinks::AddSpouseFamily(RecNo individual, bool force, bool make_primary, RecNo family) {
  Record rec;
  if (family <= 0 || !Load(individual, rec)) return;
  if (make_primary) rec.flags |= kSpousePrimary;
  if (rec.first_spouse == 0) {
    rec.first_spouse = family;
    rec.spouse_count = 1;
    Store(individual, rec);
    return;
  }
  // Even when forced, the first family is never entered twice.
  if (family == rec.first_spouse) {
    Store(individual, rec);
    return;
  }
  if (rec.spouse_chain != 0) {
    if (force || spouses_->Find(rec.spouse_chain, family) == 0) {
      spouses_->Append(rec.spouse_chain, SpouseEntry(family));
      ++rec.spouse_count;
    }
    Store(individual, rec);
    if (make_primary) MakePrimarySpouseFamily(individual, family);
    return;
  }
  ++rec.spouse_count;
  if (make_primary) {
    spouses_->Append(rec.spouse_chain, SpouseEntry(rec.first_spouse));
    rec.first_spouse = family;
  } else {
    spouses_->Append(rec.spouse_chain, SpouseEntry(family));
  }
  Store(individual, rec);
}

int WIndLinks::ParentFamilyCount(RecNo individual) {
  Record rec;
  return Load(individual, rec) ? rec.parent_count : 0;
}

int WIndLinks::SpouseFamilyCount(RecNo individual) {
  Record rec;
  return Load(individual, rec) ? rec.spouse_count : 0;
}

RecNo WIndLinks::GetParentFamily(RecNo individual, int i) {
  RecNo family = 0;
  int mother_relation = 0;
  int father_relation = 0;
  return GetParentFamilyLink(individual, i, family, mother_relation, father_relation) ? family : 0;
}

bool WIndLinks::GetParentFamilyLink(RecNo individual, int i, RecNo& family, int& mother_relation,
                                    int& father_relation) {
  Record rec;
  if (!Load(individual, rec) || i < 1 || i > rec.parent_count) return false;
  if (i == 1) {
    if (rec.first_parent == 0) return false;
    family = rec.first_parent;
    mother_relation = rec.mother_relation;
    father_relation = rec.father_relation;
    return true;
  }
  WLinkArray::Entry entry;
  if (!parents_->Get(rec.parent_chain, i - 1, entry)) return false;
  family = entry.rec;
  mother_relation = entry.data[kMotherRelation];
  father_relation = entry.data[kFatherRelation];
  return true;
}

RecNo WIndLinks::GetSpouseFamily(RecNo individual, int i) {
  Record rec;
  if (!Load(individual, rec) || i < 1 || i > rec.spouse_count) return 0;
  if (i == 1) return rec.first_spouse;
  WLinkArray::Entry entry;
  return spouses_->Get(rec.spouse_chain, i - 1, entry) ? entry.rec : 0;
}

void WIndLinks::MakePrimaryParentFamily(RecNo individual, RecNo family) {
  Record rec;
  if (!Load(individual, rec)) return;
  rec.flags |= kParentPrimaryFixed;
  const int at = family > 0 && family != rec.first_parent ? parents_->Find(rec.parent_chain, family) : 0;
  if (at > 0) {
    WLinkArray::Entry entry;
    parents_->Get(rec.parent_chain, at, entry);
    parents_->Set(rec.parent_chain, at,
                  ParentEntry(rec.first_parent, rec.mother_relation, rec.father_relation));
    rec.first_parent = entry.rec;
    rec.mother_relation = static_cast<int16_t>(entry.data[kMotherRelation]);
    rec.father_relation = static_cast<int16_t>(entry.data[kFatherRelation]);
  }
  Store(individual, rec);
}

void WIndLinks::MakePrimarySpouseFamily(RecNo individual, RecNo family) {
  Record rec;
  if (!Load(individual, rec)) return;
  rec.flags |= kSpousePrimary;
  const int at = family > 0 && family != rec.first_spouse ? spouses_->Find(rec.spouse_chain, family) : 0;
  if (at > 0) {
    spouses_->Set(rec.spouse_chain, at, SpouseEntry(rec.first_spouse));
    rec.first_spouse = family;
  }
  Store(individual, rec);
}

bool WIndLinks::IsPrimaryParentFixed(RecNo individual) {
  Record rec;
  return Load(individual, rec) && (rec.flags & kParentPrimaryFixed) != 0;
}

bool WIndLinks::IsPrimarySpouseFixed(RecNo individual) {
  Record rec;
  return Load(individual, rec) && (rec.flags & kSpousePrimaryFixed) != 0;
}

bool WIndLinks::AreSpouseFamiliesOrdered(RecNo individual) {
  Record rec;
  return Load(individual, rec) && (rec.flags & kSpousesOrdered) != 0;
}

void WIndLinks::OrderSpouseFamilies(WABSCollection& collection) {
  const int count = Count();
  for (RecNo individual = 1; individual <= count; ++individual) {
    Record rec;
    if (!Load(individual, rec)) continue;
    if (rec.spouse_count > 1 && (rec.flags & kSpousesOrdered) == 0)
      OrderSpousesOf(individual, rec, collection);
  }
}

void WIndLinks::OrderSpousesOf(RecNo individual, Record& rec, WABSCollection& collection) {
  // What the comparison looks at, fetched once per family.
  struct Key {
    RecNo family = 0;
    std::unique_ptr<WABSMarriage> record;
    const WDate* date = nullptr;  // owned by `record`; none when undated
    std::string spouse_name;      // upper-cased, for comparing without regard to case
  };
  const int n = std::min<int>(rec.spouse_count, kMaxOrderedSpouseFamilies);
  std::vector<Key> keys(n);
  for (int i = 0; i < n; ++i) {
    Key& key = keys[i];
    key.family = GetSpouseFamily(individual, i + 1);
    key.record = key.family > 0 ? collection.GetFamily(key.family) : nullptr;
    if (!key.record) continue;
    const WDate* date = key.record->GetDate();
    if (date && date->IsValid()) key.date = date;
    key.spouse_name = UpperCaseText(collection.GetIndividualName(key.record->GetOtherSpouse(individual)));
  }

  auto compare = [](const Key& a, const Key& b) {
    if (a.date && !b.date) return 1;  // undated families go first
    if (!a.date && b.date) return -1;
    if (a.date && b.date) {
      const int c = a.date->Compare(b.date);
      if (c != 0) return c;  // -2 (not comparable) does not exchange
    }
    return CompareBytes(a.spouse_name, b.spouse_name);
  };
  for (int p = 0; p + 1 < n; ++p) {
    for (int q = p + 1; q < n; ++q) {
      if (compare(keys[p], keys[q]) > 0) std::swap(keys[p], keys[q]);
    }
  }

  if (n > 0 && keys[0].family > 0) rec.first_spouse = keys[0].family;
  for (int i = 1; i < n; ++i) {
    if (keys[i].family > 0) spouses_->Set(rec.spouse_chain, i, SpouseEntry(keys[i].family));
  }
  rec.flags |= kSpousesOrdered;
  Store(individual, rec);
}
