#include "base/MappingGuard.h"

#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <mutex>

namespace {

constexpr int kSlots = 512;

struct Slot {
  std::atomic<uintptr_t> begin{0};
  std::atomic<uintptr_t> end{0};  // 0: the slot is free
  std::atomic<bool> faulted{false};
};

Slot g_slots[kSlots];
std::atomic<uint64_t> g_fault_count{0};
std::mutex g_table_mutex;  // serialises registration, never taken by the handler
struct sigaction g_previous {};
std::atomic<bool> g_stop_loops{false};
std::atomic<uint64_t> g_faults_when_stop_set{0};

void ForwardFault(int signo, siginfo_t* info, void* context) {
  if ((g_previous.sa_flags & SA_SIGINFO) != 0 && g_previous.sa_sigaction != nullptr) {
    g_previous.sa_sigaction(signo, info, context);
    return;
  }
  if (g_previous.sa_handler != SIG_DFL && g_previous.sa_handler != SIG_IGN && g_previous.sa_handler != nullptr) {
    g_previous.sa_handler(signo);
    return;
  }
  // Returning re-executes the faulting access, which now ends the process the default way; a
  // signal sent by a process is raised again instead.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(SIGBUS, &fallback, nullptr);
  if (info == nullptr || info->si_code <= 0) raise(signo);
}

extern "C" void OnBusError(int signo, siginfo_t* info, void* context) {
  const auto address = reinterpret_cast<uintptr_t>(info ? info->si_addr : nullptr);
  for (Slot& slot : g_slots) {
    const uintptr_t end = slot.end.load(std::memory_order_acquire);
    const uintptr_t begin = slot.begin.load(std::memory_order_acquire);
    if (end == 0 || address < begin || address >= end) continue;
    const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const uintptr_t from = address & ~(page - 1);
    void* zeros = mmap(reinterpret_cast<void*>(from), end - from, PROT_READ,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (zeros == MAP_FAILED) break;
    slot.faulted.store(true, std::memory_order_release);
    g_fault_count.fetch_add(1, std::memory_order_relaxed);
    return;
  }
  ForwardFault(signo, info, context);
}

void InstallHandler() {
  struct sigaction action {};
  action.sa_sigaction = OnBusError;
  action.sa_flags = SA_SIGINFO | SA_NODEFER;
  sigemptyset(&action.sa_mask);
  sigaction(SIGBUS, &action, &g_previous);
}

}  // namespace

int GuardMapping(const void* base, size_t length) {
  if (base == nullptr || length == 0) return -1;
  static std::once_flag installed;
  std::call_once(installed, InstallHandler);
  std::lock_guard<std::mutex> lock(g_table_mutex);
  for (int i = 0; i < kSlots; ++i) {
    Slot& slot = g_slots[i];
    if (slot.end.load(std::memory_order_relaxed) != 0) continue;
    const auto begin = reinterpret_cast<uintptr_t>(base);
    slot.faulted.store(false, std::memory_order_relaxed);
    slot.begin.store(begin, std::memory_order_release);
    slot.end.store(begin + length, std::memory_order_release);
    return i;
  }
  return -1;
}

void UnguardMapping(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  std::lock_guard<std::mutex> lock(g_table_mutex);
  g_slots[slot].end.store(0, std::memory_order_release);
  g_slots[slot].begin.store(0, std::memory_order_release);
}

bool MappingFaulted(int slot) {
  return slot >= 0 && slot < kSlots && g_slots[slot].faulted.load(std::memory_order_acquire);
}

uint64_t MappingFaultCount() { return g_fault_count.load(std::memory_order_relaxed); }

void StopLongLoopsOnMappingFault(bool on) {
  g_faults_when_stop_set.store(MappingFaultCount(), std::memory_order_relaxed);
  g_stop_loops.store(on, std::memory_order_relaxed);
}

bool LongLoopsShouldStop() {
  return g_stop_loops.load(std::memory_order_relaxed) &&
         MappingFaultCount() != g_faults_when_stop_set.load(std::memory_order_relaxed);
}
