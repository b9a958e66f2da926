#include "base/ChainGuard.h"

#include <algorithm>
#include <string>

#include "base/DamageLog.h"

WChainGuard::WChainGuard(int64_t first, int64_t last, uint64_t max_steps) : first_(first), last_(last) {
  const uint64_t range = last < first ? 0 : static_cast<uint64_t>(last) - static_cast<uint64_t>(first) + 1;
  max_steps_ = std::min(range, max_steps);
}

bool WChainGuard::Met(int64_t link) const {
  if (!grown_) return std::find(small_.begin(), small_.end(), link) != small_.end();
  if (!bitmap_.empty()) {
    const uint64_t bit = static_cast<uint64_t>(link) - static_cast<uint64_t>(first_);
    return (bitmap_[bit / 64] >> (bit % 64)) & 1;
  }
  return large_.count(link) != 0;
}

void WChainGuard::Mark(int64_t link) {
  if (!grown_ && small_.size() < kSmall) {
    small_.push_back(link);
    return;
  }
  if (!grown_) {
    grown_ = true;
    const uint64_t range = static_cast<uint64_t>(last_) - static_cast<uint64_t>(first_) + 1;
    if (range <= kBitmapRange) {
      bitmap_.assign(static_cast<size_t>((range + 63) / 64), 0);
      for (int64_t old : small_) Mark(old);
    } else {
      large_.insert(small_.begin(), small_.end());
    }
    small_.clear();
    small_.shrink_to_fit();
  }
  if (!bitmap_.empty()) {
    const uint64_t bit = static_cast<uint64_t>(link) - static_cast<uint64_t>(first_);
    bitmap_[bit / 64] |= uint64_t{1} << (bit % 64);
  } else {
    large_.insert(link);
  }
}

bool WChainGuard::Step(int64_t link) {
  if (stop_ != StopReason::None) return false;
  if (link < first_ || link > last_) {
    stop_ = StopReason::Invalid;
    return false;
  }
  if (Met(link)) {
    stop_ = StopReason::Repeated;
    if (damage_) damage_->Note("a chain of links returns to link " + std::to_string(link));
    return false;
  }
  if (steps_ >= max_steps_) {
    stop_ = StopReason::StepLimit;
    return false;
  }
  Mark(link);
  ++steps_;
  return true;
}
