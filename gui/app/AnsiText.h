#pragma once

#include <QByteArray>
#include <QFile>
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

// A path is bytes in the file system's encoding, never a model text: it is kept as such from
// wherever it comes (command line, file dialog, file list, drop, settings) to open(), and
// decoded only where it is shown.
inline QString PathToQ(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
inline std::string QToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A message of the open step: fixed ASCII texts around a path (or, from a reader, a model
// text).  Shown as a path when its bytes are valid in the locale's encoding, otherwise as a
// model text.
inline QString MessageToQ(const std::string& text) {
  const QByteArray bytes = QByteArray::fromStdString(text);
  QString result = QString::fromUtf8(bytes);
  if (result.toUtf8() != bytes) return AnsiToQ(text);
  result = QFile::decodeName(bytes);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QChar('\r'), QChar('\n'));
  return result;
}
