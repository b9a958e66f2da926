#pragma once

#include <exception>
#include <utility>

// Runs f and swallows whatever it throws.  Qt slots, event handlers and paint code go
// through it: a record that cannot be read must leave an empty row or box behind, never
// an exception unwinding through Qt's event loop.
template <class F>
void SafeCall(F&& f) noexcept {
  try {
    std::forward<F>(f)();
  } catch (...) {
  }
}
