#pragma once

#include <cstdint>
#include <string>

#include "base/ABSArrayIndex.h"

// An index array with a current position (0 = none).
class WABSIterator : public WABSArrayIndex {
 public:
  WABSIterator() = default;
  WABSIterator(const std::string& fileName, bool keepFile, int32_t recordSize, int32_t initialCount)
      : WABSArrayIndex(fileName, keepFile, recordSize, initialCount) {}
  WABSIterator(WABSIterator&&) noexcept = default;
  WABSIterator& operator=(WABSIterator&&) noexcept = default;

  void Clear() override {
    WABSArrayIndex::Clear();
    current_ = 0;
  }
  // Record i, which becomes current; nullptr and current 0 when i is not valid.
  virtual void* MoveTo(int32_t i) {
    void* record = Get(i);
    current_ = record ? i : 0;
    return record;
  }
  void* First() { return MoveTo(1); }
  void* Next() { return MoveTo(current_ + 1); }
  void* Prior() { return MoveTo(current_ - 1); }
  void* Last() { return MoveTo(Count()); }
  int32_t Current() const { return current_; }

 private:
  int32_t current_ = 0;
};
