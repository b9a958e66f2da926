#include "base/ChainGuard.h"

#include <algorithm>

WChainGuard::WChainGuard(int64_t first, int64_t last, uint64_t max_steps) : first_(first), last_(last) {
  const uint64_t range = last < first ? 0 : static_cast<uint64_t>(last - first) + 1;
  max_steps_ = std::min(range, max_steps);
}

bool WChainGuard::Step(int64_t link) {
  if (stop_ != StopReason::None) return false;
  if (link < first_ || link > last_) {
    stop_ = StopReason::Invalid;
    return false;
  }
  const bool met = large_.empty() ? std::find(small_.begin(), small_.end(), link) != small_.end()
                                  : large_.count(link) != 0;
  if (met) {
    stop_ = StopReason::Repeated;
    return false;
  }
  if (steps_ >= max_steps_) {
    stop_ = StopReason::StepLimit;
    return false;
  }
  if (large_.empty() && small_.size() < kSmall) {
    small_.push_back(link);
  } else {
    if (large_.empty()) {
      large_.insert(small_.begin(), small_.end());
      small_.clear();
      small_.shrink_to_fit();
    }
    large_.insert(link);
  }
  ++steps_;
  return true;
}
