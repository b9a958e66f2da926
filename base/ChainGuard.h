#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_set>
#include <vector>

class WDamageLog;

// The guard every walk along links stored in a file goes through (block chains, record chains,
// memo blocks, family and child links).  A link may be followed when it is valid (inside the
// range the file can hold), has not been met before on this walk, and the walk has not yet
// taken as many steps as there can be records.  A damaged file with a cycle, a link out of
// range or an endless chain therefore ends the walk instead of hanging it or reading outside.
//
//   WChainGuard guard(1, record_count);
//   for (int64_t link = first; guard.Step(link); link = NextOf(link)) ...
class WChainGuard {
 public:
  // Links from `first` to `last` are valid; at most last - first + 1 steps (or max_steps when
  // given and smaller).  An empty range (last < first) admits no link.
  WChainGuard(int64_t first, int64_t last, uint64_t max_steps = UINT64_MAX);

  // True when the walk may go on to `link`, which is then counted as met.  False when the link
  // is out of range, met before, or the step limit is reached; the reason stays in Stop().
  bool Step(int64_t link);

  enum class StopReason { None, Invalid, Repeated, StepLimit };
  StopReason Stop() const { return stop_; }
  // A walk that returns to a link met before is noted in the log (none: not noted).  Links out
  // of range are not: chains end on such a link.
  WChainGuard& ReportDamageTo(WDamageLog* log) {
    damage_ = log;
    return *this;
  }
  uint64_t Steps() const { return steps_; }

 private:
  // Short walks keep their links in a small list; longer ones move to a bitmap over the range
  // when the range is at most kBitmapRange links, otherwise to a hash set.
  static constexpr size_t kSmall = 32;
  static constexpr uint64_t kBitmapRange = uint64_t{1} << 30;

  bool Met(int64_t link) const;
  void Mark(int64_t link);

  int64_t first_, last_;
  uint64_t max_steps_;
  uint64_t steps_ = 0;
  StopReason stop_ = StopReason::None;
  std::vector<int64_t> small_;
  std::vector<uint64_t> bitmap_;
  std::unordered_set<int64_t> large_;
  bool grown_ = false;
  WDamageLog* damage_ = nullptr;
};
