#pragma once

#include <atomic>
#include <functional>

// The core never talks to a windowing toolkit.  Long loops (import, sorting, key
// building) call YieldToUI() at the intervals their algorithms name and then test
// ImportCancelled; the GUI installs a hook that lets its event loop run (so the wait
// dialog's Cancel button can set the flag), the CLI installs one that reports progress.

// Process-wide cancel flag: set by the wait dialog's Cancel button (or Ctrl-C in the
// CLI), cleared when a cancellable wait starts, read by every long loop.
extern std::atomic<bool> ImportCancelled;

using YieldHook = std::function<void()>;

// Installs the hook run by YieldToUI(); an empty hook turns yielding into a no-op.
void SetYieldHook(YieldHook hook);
// Gives the user interface a chance to process its events.  Only on the thread that
// installed the hook; on any other thread it does nothing.
void YieldToUI();

// Busy cursor: nested busy sections.  The GUI's hook is told whenever the counter
// moves between 0 and 1 so it can show or restore the hourglass.
using BusyHook = std::function<void(bool busy)>;
void SetBusyHook(BusyHook hook);
void BeginBusy();
void EndBusy();
int BusyCount();

// Large fonts: true when the screen's horizontal logical resolution is 120 dpi.  The
// GUI supplies the answer once; without a GUI it is false.
void SetLargeFonts(bool large);
bool IsLargeFonts();

// RAII form of BeginBusy/EndBusy.
class BusySection {
 public:
  BusySection() { BeginBusy(); }
  ~BusySection() { EndBusy(); }
  BusySection(const BusySection&) = delete;
  BusySection& operator=(const BusySection&) = delete;
};
