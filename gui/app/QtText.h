#pragma once

#include <QString>
#include <string>

// Model texts are Windows-1252 bytes; Qt wants UTF-16.  These convert at the boundary, and
// turn the model's CR LF (or lone CR) line breaks into the line feeds Qt's text widgets use.
QString FromAnsi(const std::string& text);
std::string ToAnsi(const QString& text);
// A multi-line model text (notes, citations, the quick-help texts) with line feeds only.
QString FromAnsiLines(const std::string& text);
