#include "formats/ged/GEDSubLines.h"

#include "base/Errors.h"
#include "formats/ged/GEDCitation.h"
#include "formats/ged/GEDCollection.h"

const char* WGEDSubLines::RequireRecord(WGEDCollection& collection, GEDRecordKind kind, RecNo n) {
  const char* line = collection.RecordLine(kind, n);
  if (!line) throw EIndexError(FormatMessage("Error: In valid index value = %d", n));
  return line;
}

std::vector<std::string> WGEDSubLines::ContinuedAt(const WGEDTextMMF& text, const char* line, size_t column) {
  if (!line) return {};
  const char* p = text.ColumnAt(line, column);
  // The line ends before the column: start at its line break, whose value is empty.
  if (!p) p = WGEDTextMMF::FindLineBreak(line, text.End());
  return text.ReadContinued(p);
}

std::string WGEDSubLines::JoinedAt(const WGEDTextMMF& text, const char* line, size_t column,
                                   const std::string& separator) {
  std::string joined;
  if (!line) return joined;
  bool first = true;
  for (const std::string& piece : ContinuedAt(text, line, column)) {
    if (!first) joined += separator;
    joined += piece;
    first = false;
  }
  return text.ConvertText(std::move(joined));
}

std::unique_ptr<WDate> WGEDSubLines::DateOf(const WGEDTextMMF& text, std::string_view value) {
  // Converted before the parser upper-cases it, so that an ANSEL accent stays an accent.
  constexpr int kPlainCharSet = 0;
  if (text.CharSet() == kPlainCharSet) return std::make_unique<WDate>(value, DateTextEncoding::kAnsi);
  return std::make_unique<WDate>(text.ConvertText(value), DateTextEncoding::kAnsi);
}

std::string WGEDSubLines::WithCrLf(const std::string& text) {
  std::string result;
  result.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
    result += text[i];
  }
  return result;
}

std::unique_ptr<WABSCitation> WGEDSubLines::CitationAt(WGEDCollection& collection,
                                                       const std::vector<const char*>& list, int i) {
  if (i < 1 || i > static_cast<int>(list.size())) return nullptr;
  return std::make_unique<WGEDCitation>(collection, list[i - 1]);
}

WGEDSubLines::EventLines WGEDSubLines::FindEventLines(const WGEDTextMMF& text, const char* line) {
  EventLines found;
  ByDepth(text, line, [&](const char* p) {
    switch (text.TagAt(p)) {
      case GEDTag("PLAC"):
        found.place = found.place_or_temple = p;
        break;
      case GEDTag("TEMP"):
        found.temple = found.place_or_temple = p;
        break;
      case GEDTag("TYPE"):
        found.type = p;
        break;
      case GEDTag("DATE"):
        found.date = p;
        break;
      case GEDTag("NOTE"):
        found.note = p;
        break;
      case GEDTag("CAUS"):
        found.cause = p;
        break;
      case GEDTag("QUAL"):
        found.qualifier = p;
        break;
      case GEDTag("STAT"):
        found.status = p;
        break;
      case GEDTag("SOUR"):
        AddCitation(found.citations, p);
        break;
      default:
        break;
    }
  });
  return found;
}
