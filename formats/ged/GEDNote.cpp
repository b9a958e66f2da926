#include "formats/ged/GEDNote.h"

#include <cstring>
#include <string>

#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDSubLines.h"

namespace {

// Adds every piece of a continued text, converted; AddLine drops the empty ones.
void AddPieces(WABSNote& note, const WGEDTextMMF& text, const std::vector<std::string>& pieces) {
  for (const std::string& piece : pieces) note.AddLine(text.ConvertText(piece));
}

}  // namespace

WGEDNote::WGEDNote(WGEDCollection& collection, RecNo n) {
  const WGEDTextMMF& text = collection.Text();
  const char* line = WGEDSubLines::RequireRecord(collection, gkNote, n);
  const char* line_end = WGEDTextMMF::FindLineBreak(line, text.End());
  // The text starts six bytes past the identifier's closing "@": past that "@", one
  // space and the tag NOTE.
  const char* at = static_cast<const char*>(std::memchr(line, '@', line_end - line));
  if (at) at = static_cast<const char*>(std::memchr(at + 1, '@', line_end - at - 1));
  if (!at) return;
  const char* start = nullptr;
  if (line_end - at > 6) {
    start = at + 6;
  } else {
    // The record line ends there: the text begins at column 7 of the next line, unless
    // that line is already the next record.
    const char* next = text.NextLine(line);
    if (!next || next >= WGEDSubLines::RecordEnd(text, line)) return;
    start = text.ColumnAt(next, 7);
    if (!start) start = WGEDTextMMF::FindLineBreak(next, text.End());
  }
  AddPieces(*this, text, text.ReadContinued(start));
}

std::unique_ptr<WABSNote> WGEDNote::NoteOfLine(WGEDCollection& collection, const char* line) {
  if (!line) return nullptr;
  const WGEDTextMMF& text = collection.Text();
  std::string id;
  const char* value = text.ColumnAt(line, 6);
  if (value && text.GetXRef(value, id)) {
    RecNo n = collection.FindNote(id);
    return n > 0 ? collection.GetNote(n) : nullptr;
  }
  // An inline note: the NOTE line's own continued text, then that of every NOTE line one
  // level down, up to the first line of the same level that is not a NOTE line.
  auto note = std::make_unique<WABSNote>();
  AddPieces(*note, text, WGEDSubLines::ContinuedAt(text, line, 6));
  int level = text.LineLevel(line);
  for (const char* p = text.NextLine(line); p; p = text.NextLine(p)) {
    int sub = text.LineLevel(p);
    uint32_t tag = text.TagAt(p);
    if (sub < level || (sub == level && tag != GEDTag("NOTE"))) break;
    if (sub == level + 1 && tag == GEDTag("NOTE"))
      AddPieces(*note, text, WGEDSubLines::ContinuedAt(text, p, 6));
  }
  return note;
}
