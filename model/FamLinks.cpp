#include "model/FamLinks.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "base/ABSArrayIndex.h"
#include "base/Settings.h"
#include "model/LinkArray.h"

namespace {

// Flag bit of a family's record: the children are in their final order.
constexpr uint8_t kChildrenOrdered = 2;

// Entry data of a child link: the position value.
constexpr int kPosition = 0;

constexpr uint16_t kMaxChildCount = UINT16_MAX;

}  // namespace

WFamLinks::WFamLinks(int family_count) {
  const int count = std::max(family_count, 0);
  records_ = std::make_unique<WABSArrayIndex>("", false, static_cast<int32_t>(sizeof(Record)), count);
  records_->SetCount(count);
  children_ = std::make_unique<WLinkArray>(count);
}

WFamLinks::~WFamLinks() = default;

int WFamLinks::Count() { return records_->Count(); }

RecNo WFamLinks::AppendFamily() {
  Record empty;
  return records_->Append(&empty);
}

bool WFamLinks::Load(RecNo family, Record& rec) {
  const void* at = records_->Get(family);
  if (!at) return false;
  std::memcpy(&rec, at, sizeof rec);
  return true;
}

void WFamLinks::Store(RecNo family, const Record& rec) { records_->Set(family, &rec); }

void WFamLinks::SetHusband(RecNo family, RecNo husband) {
  Record rec;
  if (!Load(family, rec)) return;
  rec.husband = husband;
  Store(family, rec);
}

void WFamLinks::SetWife(RecNo family, RecNo wife) {
  Record rec;
  if (!Load(family, rec)) return;
  rec.wife = wife;
  Store(family, rec);
}

void WFamLinks::SetFamilyKey(RecNo family, int32_t key) {
  Record rec;
  if (!Load(family, rec)) return;
  rec.family_key = key;
  Store(family, rec);
}

void WFamLinks::AddChild(RecNo family, RecNo child, int32_t position) {
  Record rec;
  if (child <= 0 || !Load(family, rec)) return;
  rec.flags &= static_cast<uint8_t>(~kChildrenOrdered);
  WLinkArray::Entry entry;
  entry.rec = child;
  entry.data[kPosition] = position;
  const int existing = rec.child_chain != 0 ? children_->Find(rec.child_chain, child) : 0;
  if (existing > 0) {
    children_->Set(rec.child_chain, existing, entry);
  } else if (rec.child_count < kMaxChildCount) {
    // The count is 16 bits wide: children beyond what it can count are not added.
    children_->Append(rec.child_chain, entry);
    ++rec.child_count;
  }
  Store(family, rec);
}

RecNo WFamLinks::GetHusband(RecNo family) {
  Record rec;
  return Load(family, rec) ? rec.husband : 0;
}

RecNo WFamLinks::GetWife(RecNo family) {
  Record rec;
  return Load(family, rec) ? rec.wife : 0;
}

int32_t WFamLinks::GetFamilyKey(RecNo family) {
  Record rec;
  return Load(family, rec) ? rec.family_key : 0;
}

int WFamLinks::ChildCount(RecNo family) {
  Record rec;
  return Load(family, rec) ? rec.child_count : 0;
}

RecNo WFamLinks::GetChild(RecNo family, int i) {
  Record rec;
  WLinkArray::Entry entry;
  if (!Load(family, rec) || i < 1 || i > rec.child_count) return 0;
  return children_->Get(rec.child_chain, i, entry) ? entry.rec : 0;
}

int32_t WFamLinks::GetChildPosition(RecNo family, int i) {
  Record rec;
  WLinkArray::Entry entry;
  if (!Load(family, rec) || i < 1 || i > rec.child_count) return 0;
  return children_->Get(rec.child_chain, i, entry) ? entry.data[kPosition] : 0;
}

void WFamLinks::OrderChildren(RecNo family, WABSCollection&) {
  Record rec;
  if (!Load(family, rec) || !Settings().GetBool(WSettings::SortChildren)) return;
  if (rec.child_count < 2 || (rec.flags & kChildrenOrdered) != 0) return;

  const int n = std::min<int>(rec.child_count, kMaxOrderedChildren);
  std::vector<WLinkArray::Entry> children;
  children.reserve(n);
  for (int i = 1; i <= n; ++i) {
    WLinkArray::Entry entry;
    if (!children_->Get(rec.child_chain, i, entry)) break;
    children.push_back(entry);
  }
  const size_t count = children.size();
  for (size_t p = 0; p + 1 < count; ++p) {
    for (size_t q = p + 1; q < count; ++q) {
      if (children[q].data[kPosition] < children[p].data[kPosition]) std::swap(children[p], children[q]);
    }
  }
  for (size_t i = 0; i < count; ++i) {
    children[i].data[kPosition] = 0;
    children_->Set(rec.child_chain, static_cast<int>(i + 1), children[i]);
  }
  rec.flags |= kChildrenOrdered;
  Store(family, rec);
}
