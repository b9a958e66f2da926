#include "app/WaitNesting.h"

#include "base/UIHooks.h"

WWaitNesting::Action WWaitNesting::Enter(bool show_now, bool with_cancel) {
  if (with_cancel) ImportCancelled = false;
  const bool outermost = depth_ == 0;
  ++depth_;
  if (!outermost) return Action::kNone;
  return show_now ? Action::kShowNow : Action::kStartTimer;
}

bool WWaitNesting::Leave() {
  const bool last = depth_ == 1;
  if (depth_ > 0) --depth_;
  return last;
}

int WWaitNesting::Height(bool with_cancel, bool large_fonts) {
  const int height = with_cancel ? 100 : 67;
  return large_fonts ? height * 5 / 4 : height;
}
