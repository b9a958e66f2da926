#pragma once

#include <cstdint>

#include "base/IntArray.h"

// A stack of 32-bit integers on a WIntArray.  Popped slots stay in the array and are
// reused by later pushes.
class WIntStack {
 public:
  WIntStack() = default;

  void Push(int32_t v) {
    if (depth_ < values_.Count())
      values_.SetValue(depth_ + 1, v);
    else
      values_.AppendValue(v);
    ++depth_;
  }
  // The top value, removed; 0 when the stack is empty.
  int32_t Pop() {
    if (depth_ == 0) return 0;
    return values_.GetValue(depth_--);
  }
  // The i-th value from the bottom (1-based), the top value when i is 0; 0 when the
  // stack is empty or i is beyond the top.
  int32_t Peek(int32_t i) const {
    if (depth_ == 0 || i < 0 || i > depth_) return 0;
    return values_.GetValue(i == 0 ? depth_ : i);
  }
  bool IsEmpty() const { return depth_ == 0; }
  int32_t Depth() const { return depth_; }
  void Clear() {
    depth_ = 0;
    values_.Clear();
  }

 private:
  WIntArray values_;
  int32_t depth_ = 0;
};
