#pragma once

// The bookkeeping of the wait dialog, without the dialog: nested requests share one
// dialog, only the outermost request decides its message and whether it appears at once
// or after a short delay, and only the last release takes it away.  A short operation
// therefore finishes before the dialog is ever seen.
class WWaitNesting {
 public:
  // The delay before a dialog that is not shown at once appears.
  static constexpr int kDelayMs = 250;

  enum class Action {
    kNone,        // a nested request: the dialog is already up or pending
    kShowNow,     // disable the window, show the dialog now
    kStartTimer,  // start the delay; when it fires, disable the window and show the dialog
  };

  // A request for the dialog.  A request with a Cancel button clears the process-wide cancel
  // flag (every level, so each cancellable operation starts uncancelled).
  Action Enter(bool show_now, bool with_cancel);
  // Releases one level; true when this was the last one and the dialog goes away.
  bool Leave();
  int Depth() const { return depth_; }

  // The dialog's height in pixels: taller with the Cancel button, a quarter more with large
  // fonts.
  static int Height(bool with_cancel, bool large_fonts);

 private:
  int depth_ = 0;
};
