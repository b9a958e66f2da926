#include "formats/dbf/DBFRowIndex.h"

#include "base/UIHooks.h"
#include "formats/dbf/DBFFile.h"

void WDBFRowIndex::CountingList::Clear() {
  count_ = 0;
  stored_.reset();
}

void WDBFRowIndex::CountingList::Append(int32_t value) {
  if (!stored_ && value != count_ + 1) {
    stored_ = std::make_unique<WIntArray>(count_);
    for (int32_t i = 1; i <= count_; ++i) stored_->SetValue(i, i);
  }
  ++count_;
  if (stored_) {
    stored_->SetCount(count_);
    stored_->SetValue(count_, value);
  }
}

int32_t WDBFRowIndex::CountingList::Get(int32_t i) const {
  if (i < 1 || i > count_) return 0;
  return stored_ ? stored_->GetValue(i) : i;
}

int64_t WDBFRowIndex::CountingList::MemoryBytes() const {
  return stored_ ? stored_->Storage().Capacity() : 0;
}

WDBFRowIndex::WDBFRowIndex() = default;
WDBFRowIndex::~WDBFRowIndex() = default;

bool WDBFRowIndex::Build(const WDBFFile& table, int keyField) {
  built_ = false;
  live_.Clear();
  ids_.Clear();
  pairs_.reset();
  in_order_ = true;
  has_key_ = keyField >= 1 && keyField <= table.FieldCount();

  YieldToUI();
  if (ImportCancelled) return false;
  const int records = table.RecordCount();
  int32_t last_id = 0;
  for (int n = 1; n <= records; ++n) {
    if (n % kYieldInterval == 0) {
      YieldToUI();
      if (ImportCancelled) return false;
    }
    if (table.IsDeleted(n)) continue;
    live_.Append(n);
    if (!has_key_) continue;
    const int32_t id = table.FieldInt(n, keyField);
    if (ids_.Count() > 0 && id < last_id) in_order_ = false;
    last_id = id;
    ids_.Append(id);
  }

  if (has_key_ && !in_order_) {
    pairs_ = std::make_unique<WDBFIdPairs>();
    for (int32_t pos = 1; pos <= ids_.Count(); ++pos) pairs_->AddPair(ids_.Get(pos), pos);
    if (!pairs_->SortById() || ImportCancelled) return false;
  }
  built_ = true;
  return true;
}

int WDBFRowIndex::PhysicalRecord(int pos) const { return built_ ? live_.Get(pos) : 0; }

int WDBFRowIndex::PosToId(int pos) const { return HasKey() ? ids_.Get(pos) : 0; }

int WDBFRowIndex::FirstEntry(int id) const {
  if (!HasKey()) return 0;
  if (pairs_) return pairs_->FindFirstEntry(id);
  if (ids_.IsCounting()) return id >= 1 && id <= ids_.Count() ? id : 0;
  // A lower bound in the ascending identifier list.
  int32_t low = 1, high = ids_.Count() + 1;
  while (low < high) {
    const int32_t mid = low + (high - low) / 2;
    if (ids_.Get(mid) < id)
      low = mid + 1;
    else
      high = mid;
  }
  return low <= ids_.Count() && ids_.Get(low) == id ? low : 0;
}

int WDBFRowIndex::IdToPos(int id) const {
  if (id < 1) return 0;
  return EntryPos(FirstEntry(id));
}

int WDBFRowIndex::EntryPos(int k) const {
  if (!HasKey()) return 0;
  if (pairs_) return pairs_->EntryPos(k);
  return k >= 1 && k <= ids_.Count() ? k : 0;
}

int WDBFRowIndex::EntryId(int k) const {
  if (!HasKey()) return 0;
  if (pairs_) return pairs_->EntryId(k);
  return ids_.Get(k);
}

int64_t WDBFRowIndex::MemoryBytes() const {
  return live_.MemoryBytes() + ids_.MemoryBytes() + (pairs_ ? pairs_->Storage().Capacity() : 0);
}
