#include "gui/app/Messages.h"

#include <utility>

TMessages::Interceptor& TMessages::Current() {
  static Interceptor interceptor;
  return interceptor;
}

void TMessages::SetInterceptor(Interceptor interceptor) { Current() = std::move(interceptor); }

bool TMessages::Intercepted() { return static_cast<bool>(Current()); }

void TMessages::Show(QWidget* parent, const QString& text, const QString& caption) {
  Ask(parent, text, caption, QMessageBox::Ok);
}

QMessageBox::StandardButton TMessages::Ask(QWidget* parent, const QString& text, const QString& caption,
                                           QMessageBox::StandardButtons buttons) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QChar('\r'), QChar('\n'));
  if (Current()) return Current()(caption, shown, buttons);
  QMessageBox box(QMessageBox::NoIcon, caption, shown, buttons, parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}
