#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "base/ABSIndex.h"
#include "base/UIHooks.h"
#include "base/VersionMMF.h"

// An array of fixed-size records, numbered from 1, kept in a WVersionMMF storage: a
// heap block while small, a mapped temporary file when large.  Records are read and
// written in place; appending never reallocates per record (the storage grows in
// steps of 16384 bytes).  Any call that appends or grows may move the records, so an
// address from Get() is valid only until the next such call.
//
// Storage layout after the 8-byte storage header: int32 count at 8 (written by
// Clear and when the array is destroyed), int32 record size at 12, record i at
// 16 + (i - 1) * record size.
class WABSArrayIndex : public WABSIndex {
 public:
  static constexpr int64_t kGrowth = 16384;
  static constexpr int64_t kRecordsStart = 16;
  // Ranges shorter than this are finished by insertion sort.
  static constexpr int64_t kInsertionSortBelow = 10;
  // A sort that may yield does so every this many partition steps.
  static constexpr int kYieldEverySteps = 25;

  // compare(a, b, context) < 0, 0 or > 0, for Sort with a context pointer.
  using SortCompare = int (*)(const void* a, const void* b, void* context);

  // An array without storage: empty, and Append does nothing until Create.
  WABSArrayIndex() = default;
  WABSArrayIndex(const std::string& fileName, bool keepFile, int32_t recordSize, int32_t initialCount) {
    Create(fileName, keepFile, recordSize, initialCount);
  }
  ~WABSArrayIndex() override;
  WABSArrayIndex(WABSArrayIndex&& other) noexcept;
  WABSArrayIndex& operator=(WABSArrayIndex&& other) noexcept;

  // Creates the storage (temporary when fileName is empty) and empties the array; the
  // initial count only sizes the storage.  A named file is deleted when the array is
  // destroyed unless keepFile is set.
  void Create(const std::string& fileName, bool keepFile, int32_t recordSize, int32_t initialCount);

  // Empties the array (the storage keeps its capacity).
  virtual void Clear();
  virtual int32_t Count() const { return count_; }

  bool IsValid(int32_t i) const { return i >= 1 && i <= count_; }
  // Address of record i, or nullptr when i is not in 1..Count().
  void* Get(int32_t i) { return IsValid(i) ? Record(i) : nullptr; }
  const void* Get(int32_t i) const { return IsValid(i) ? Record(i) : nullptr; }
  // Copies a record's bytes to record i; an invalid i changes nothing.
  void Set(int32_t i, const void* data) {
    if (!IsValid(i)) return;
    std::memcpy(Record(i), data, static_cast<size_t>(recordSize_));
    sorted_ = false;
  }
  // Adds a record (zero bytes when data is nullptr); returns the new count, or 0 when
  // the array has no storage.
  int32_t Append(const void* data) {
    if (!storage_.IsOpen()) return 0;
    int64_t at = data ? storage_.Append(data, recordSize_) : storage_.AppendZeros(recordSize_);
    if (at < 0) ThrowFull();
    sorted_ = false;
    return ++count_;
  }
  // A larger n appends zero-filled records; a smaller one lowers the count and keeps
  // the storage (the records beyond are reused by later appends).
  void SetCount(int32_t n);

  // Binary search over 1..Count() of records in ascending order.  compare(record, key)
  // returns < 0 when the record comes before the key, 0 when equal, > 0 when after.
  // Returns the index of a matching record, or 0.
  template <class Compare, class Key>
  int32_t Find(Compare&& compare, const Key& key) const {
    int64_t low = 1, high = count_;
    while (low <= high) {
      int64_t mid = (low + high) / 2;
      int c = compare(static_cast<const void*>(Record(static_cast<int32_t>(mid))), key);
      if (c < 0)
        low = mid + 1;
      else if (c > 0)
        high = mid - 1;
      else
        return static_cast<int32_t>(mid);
    }
    return 0;
  }
  // Find, then the first of the run of records that compare equal to the key.
  template <class Compare, class Key>
  int32_t FindFirst(Compare&& compare, const Key& key) const {
    int32_t i = Find(compare, key);
    while (i > 1 && compare(static_cast<const void*>(Record(i - 1)), key) == 0) --i;
    return i;
  }
  // Binary search; when a record matches, its index with found = true.  Otherwise
  // found = false and the index where the key would go, limited to Count() (so a key
  // beyond the last record gives the last record, an empty array 0).
  template <class Compare, class Key>
  int32_t FindNearest(Compare&& compare, const Key& key, bool& found) const {
    found = false;
    int64_t low = 1, high = count_;
    while (low <= high) {
      int64_t mid = (low + high) / 2;
      int c = compare(static_cast<const void*>(Record(static_cast<int32_t>(mid))), key);
      if (c < 0) {
        low = mid + 1;
      } else if (c > 0) {
        high = mid - 1;
      } else {
        found = true;
        return static_cast<int32_t>(mid);
      }
    }
    return static_cast<int32_t>(low < count_ ? low : count_);
  }

  // Sorts the records in place (not stable).  compare(a, b) < 0, 0 or > 0 receives the
  // addresses of two record images (the pivot and the record being placed may be
  // copies outside the array).  Does nothing when there is no storage, no record, the
  // array is already sorted, or a sort of it is running.  With yield set it yields to
  // the user interface at the start and every 25 partition steps, and stops (leaving
  // the array unsorted but complete) when ImportCancelled is then set.
  // Returns false when the sort stopped on cancel or was refused while another runs.
  template <class Compare>
  bool Sort(Compare&& compare, bool yield);
  bool Sort(SortCompare compare, void* context, bool yield) {
    return Sort([compare, context](const void* a, const void* b) { return compare(a, b, context); }, yield);
  }
  // Declares the array sorted without sorting (for arrays filled in order).
  void MarkSorted() { sorted_ = true; }
  bool IsSorted() const { return sorted_; }
  bool IsSorting() const { return sorting_; }

  int32_t RecordSize() const { return recordSize_; }
  bool HasStorage() const { return storage_.IsOpen(); }
  const std::string& FileName() const { return fileName_; }
  bool KeepFile() const { return keepFile_; }
  const WVersionMMF& Storage() const { return storage_; }

 protected:
  // For derived classes that store into records directly.
  void ClearSortedFlag() { sorted_ = false; }
  // Record i without a range check (1 <= i <= Count()).
  uint8_t* Record(int32_t i) {
    return storage_.Data() + kRecordsStart + static_cast<int64_t>(i - 1) * recordSize_;
  }
  const uint8_t* Record(int32_t i) const {
    return storage_.Data() + kRecordsStart + static_cast<int64_t>(i - 1) * recordSize_;
  }

 private:
  [[noreturn]] static void ThrowFull();
  void Release() noexcept;

  WVersionMMF storage_;
  std::string fileName_;
  bool keepFile_ = false;
  int32_t recordSize_ = 0;
  int32_t count_ = 0;
  bool sorted_ = false;
  bool sorting_ = false;
};

namespace absarray_detail {

inline void SwapRecords(uint8_t* a, uint8_t* b, uint8_t* scratch, size_t size) {
  if (size == 4) {
    uint32_t x, y;
    std::memcpy(&x, a, 4);
    std::memcpy(&y, b, 4);
    std::memcpy(a, &y, 4);
    std::memcpy(b, &x, 4);
  } else if (size == 8) {
    uint64_t x, y;
    std::memcpy(&x, a, 8);
    std::memcpy(&y, b, 8);
    std::memcpy(a, &y, 8);
    std::memcpy(b, &x, 8);
  } else {
    std::memcpy(scratch, a, size);
    std::memcpy(a, b, size);
    std::memcpy(b, scratch, size);
  }
}

// Quicksort over records [lo, hi] (0-based) of `size` bytes starting at base.
template <class Compare>
class RecordSorter {
 public:
  RecordSorter(Compare& compare, uint8_t* base, size_t size, bool yield)
      : compare_(compare), base_(base), size_(size), yield_(yield), pivot_(size), scratch_(size) {}

  // False when the sort stopped because the import was cancelled.
  bool Run(int64_t count) {
    if (yield_ && !YieldAndGoOn()) return false;
    SortRange(0, count - 1);
    return !cancelled_;
  }

 private:
  uint8_t* At(int64_t k) { return base_ + static_cast<size_t>(k) * size_; }
  bool YieldAndGoOn() {
    YieldToUI();
    cancelled_ = ImportCancelled.load(std::memory_order_relaxed);
    return !cancelled_;
  }

  void SortRange(int64_t lo, int64_t hi) {
    while (hi - lo + 1 >= WABSArrayIndex::kInsertionSortBelow) {
      if (yield_ && ++steps_ % WABSArrayIndex::kYieldEverySteps == 0 && !YieldAndGoOn()) return;
      std::memcpy(pivot_.data(), At(lo + (hi - lo) / 2), size_);
      const uint8_t* pivot = pivot_.data();
      int64_t i = lo, j = hi;
      while (i <= j) {
        // The bounds keep an inconsistent comparison from running off the range.
        while (i <= hi && compare_(static_cast<const void*>(At(i)), static_cast<const void*>(pivot)) < 0) ++i;
        while (j >= lo && compare_(static_cast<const void*>(At(j)), static_cast<const void*>(pivot)) > 0) --j;
        if (i <= j) {
          if (i != j) SwapRecords(At(i), At(j), scratch_.data(), size_);
          ++i;
          --j;
        }
      }
      if (i <= lo || j >= hi) break;  // no progress (inconsistent comparison): finish below
      // Recurse into the smaller part, iterate over the larger one.
      if (j - lo < hi - i) {
        SortRange(lo, j);
        lo = i;
      } else {
        SortRange(i, hi);
        hi = j;
      }
      if (cancelled_) return;
    }
    InsertionSort(lo, hi);
  }

  void InsertionSort(int64_t lo, int64_t hi) {
    uint8_t* item = scratch_.data();
    for (int64_t k = lo + 1; k <= hi; ++k) {
      if (compare_(static_cast<const void*>(At(k - 1)), static_cast<const void*>(At(k))) <= 0) continue;
      std::memcpy(item, At(k), size_);
      int64_t j = k - 1;
      while (j >= lo && compare_(static_cast<const void*>(At(j)), static_cast<const void*>(item)) > 0) {
        std::memcpy(At(j + 1), At(j), size_);
        --j;
      }
      std::memcpy(At(j + 1), item, size_);
    }
  }

  Compare& compare_;
  uint8_t* base_;
  size_t size_;
  bool yield_;
  bool cancelled_ = false;
  int steps_ = 0;
  std::vector<uint8_t> pivot_;
  std::vector<uint8_t> scratch_;
};

}  // namespace absarray_detail

template <class Compare>
bool WABSArrayIndex::Sort(Compare&& compare, bool yield) {
  if (sorting_) return false;
  if (!storage_.IsOpen() || count_ <= 0 || sorted_) return true;
  // Cleared however the sort ends, also when a comparison throws.
  struct SortingFlag {
    bool& flag;
    explicit SortingFlag(bool& f) : flag(f) { flag = true; }
    ~SortingFlag() { flag = false; }
  } guard(sorting_);
  absarray_detail::RecordSorter<std::remove_reference_t<Compare>> sorter(
      compare, storage_.Data() + kRecordsStart, static_cast<size_t>(recordSize_), yield);
  if (!sorter.Run(count_)) return false;
  sorted_ = true;
  return true;
}
