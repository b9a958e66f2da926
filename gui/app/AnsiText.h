#pragma once

#include <QString>
#include <string>

#include "base/TextUtils.h"

// Model texts are Windows-1252 bytes; Qt wants UTF-16.  These two convert at the widget
// boundary, and a "\r\n" or a lone "\r" of the model becomes a line break.
inline QString AnsiToQ(const std::string& text) {
  QString result = QString::fromUtf8(AnsiToUtf8(text));
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QChar('\r'), QChar('\n'));
  return result;
}

inline std::string QToAnsi(const QString& text) { return Utf8ToAnsi(text.toUtf8().toStdString()); }
