#include "gui/app/SafeCall.h"

#include <QElapsedTimer>
#include <cstdio>

#include "gui/app/AnsiText.h"

namespace {

std::function<void(const QString&)>& Reporter() {
  static std::function<void(const QString&)> reporter;
  return reporter;
}

}  // namespace

void ReportFailure(const QString& what) {
  // Paint code fails again on every repaint: the same failure is written once a second at
  // most.
  static QString last;
  static QElapsedTimer since;
  if (what != last || !since.isValid() || since.elapsed() > 1000) {
    std::fprintf(stderr, "taravell-lite: %s\n", what.toLocal8Bit().constData());
    std::fflush(stderr);
    last = what;
    since.start();
  }
  if (Reporter()) Reporter()(what);
}

void SetFailureReporter(std::function<void(const QString&)> reporter) { Reporter() = std::move(reporter); }

QString CurrentExceptionText() {
  try {
    throw;
  } catch (const std::exception& e) {
    // Core messages are model texts or carry a path; show them the way messages are shown.
    const QString text = MessageToQ(e.what());
    return text.isEmpty() ? QStringLiteral("An operation failed") : text;
  } catch (...) {
    return QStringLiteral("An operation failed for an unknown reason");
  }
}
