#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <utility>

// Says that something the viewer was doing failed: one line on stderr ("taravell-lite: " and
// the text) and, when the main window has installed a reporter, the same text in its status
// bar.  The viewer goes on; the failed step leaves an empty row, box or tab behind.
void ReportFailure(const QString& what);
// The reporter that shows a failure to the user (the main window's status bar); none to
// report on stderr only.
void SetFailureReporter(std::function<void(const QString&)> reporter);
// The text of the exception being handled: its message, or a fixed text for an exception
// that carries none.  Call only inside a catch block.
QString CurrentExceptionText();

// Runs f; whatever it throws is reported (ReportFailure) and goes no further.  Qt slots,
// event handlers and paint code go through it: a record that cannot be read must leave an
// empty row or box behind, never an exception unwinding through Qt's event loop.  False
// when f threw.
template <class F>
bool SafeCall(F&& f) noexcept {
  try {
    std::forward<F>(f)();
    return true;
  } catch (...) {
    try {
      ReportFailure(CurrentExceptionText());
    } catch (...) {
      // Reporting must never throw out of here.
    }
  }
  return false;
}
