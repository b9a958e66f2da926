#include "gui/app/QtText.h"

#include "model/TextUtils.h"

QString FromAnsi(const std::string& text) { return QString::fromStdString(AnsiToUtf8(text)); }

std::string ToAnsi(const QString& text) { return Utf8ToAnsi(text.toStdString()); }

QString FromAnsiLines(const std::string& text) {
  QString result = FromAnsi(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}
