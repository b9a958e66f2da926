#include "base/DamageLog.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

LogHook& Hook() {
  static LogHook hook;
  return hook;
}

}  // namespace

void WDamageLog::Note(std::string_view what) {
  if (count_ == 0) first_ = std::string(what);
  if (count_ < kLoggedNotes) LogProblem("damaged file: " + std::string(what));
  ++count_;
}

void SetLogHook(LogHook hook) { Hook() = std::move(hook); }

void LogProblem(const std::string& line) {
  if (Hook()) {
    Hook()(line);
    return;
  }
  const char* wanted = std::getenv("TARAVELL_LOG");
  if (wanted && *wanted && std::string_view(wanted) != "0") std::fprintf(stderr, "taravell: %s\n", line.c_str());
}
