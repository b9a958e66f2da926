#include "base/UIHooks.h"

#include <thread>
#include <utility>

#include "base/MappingGuard.h"

std::atomic<bool> ImportCancelled{false};

namespace {
YieldHook g_yield;
// The thread that installed the hook: the user interface's own.
std::atomic<std::thread::id> g_yieldThread;
BusyHook g_busy;
int g_busyCount = 0;
bool g_largeFonts = false;
}  // namespace

void SetYieldHook(YieldHook hook) {
  g_yieldThread = std::this_thread::get_id();
  g_yield = std::move(hook);
}

void YieldToUI() {
  if (LongLoopsShouldStop()) ImportCancelled = true;
  // A helper thread of a long loop only tests the cancel flag: the user interface is
  // served by its own thread.
  if (g_yieldThread.load(std::memory_order_relaxed) != std::this_thread::get_id()) return;
  if (g_yield) g_yield();
}

void SetBusyHook(BusyHook hook) { g_busy = std::move(hook); }

void BeginBusy() {
  if (++g_busyCount == 1 && g_busy) g_busy(true);
}

void EndBusy() {
  if (g_busyCount <= 0) return;
  if (--g_busyCount == 0 && g_busy) g_busy(false);
}

int BusyCount() { return g_busyCount; }

void SetLargeFonts(bool large) { g_largeFonts = large; }
bool IsLargeFonts() { return g_largeFonts; }
