#pragma once

// Common base of the index arrays and iterators; it has no operations of its own.
class WABSIndex {
 public:
  WABSIndex() = default;
  virtual ~WABSIndex() = default;
  WABSIndex(WABSIndex&&) noexcept = default;
  WABSIndex& operator=(WABSIndex&&) noexcept = default;
  WABSIndex(const WABSIndex&) = delete;
  WABSIndex& operator=(const WABSIndex&) = delete;
};
