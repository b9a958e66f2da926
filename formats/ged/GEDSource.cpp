#include "formats/ged/GEDSource.h"

#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDNote.h"
#include "formats/ged/GEDSubLines.h"

WGEDSource::WGEDSource(WGEDCollection& collection, RecNo n)
    : collection_(collection),
      text_(collection.Text()),
      record_(WGEDSubLines::RequireRecord(collection, gkSource, n)) {
  WGEDSubLines::ByDepth(text_, record_, [&](const char* p) {
    switch (text_.TagAt(p)) {
      case GEDTag("TITL"):
      case GEDTag("NAME"):
        fields_[kTitle].line = p;
        break;
      case GEDTag("AUTH"):
        fields_[kAuthor].line = p;
        break;
      case GEDTag("PUBL"):
        fields_[kPublication].line = p;
        break;
      case GEDTag("CALN"):
        fields_[kCallNumber].line = p;
        break;
      case GEDTag("ABBR"):
        fields_[kAbbreviation].line = p;
        break;
      case GEDTag("REPO"):
        fields_[kRepository].line = p;
        break;
      case GEDTag("NOTE"):
        note_ = p;
        break;
      case GEDTag("TEXT"):
        text_line_ = p;
        break;
      default:
        break;
    }
  });
}

WGEDSource::WGEDSource(WGEDCollection& collection, const char* sour_line)
    : collection_(collection), text_(collection.Text()) {
  fields_[kTitle].line = sour_line;
  WGEDSubLines::ByDepth(text_, sour_line, [&](const char* p) {
    uint32_t tag = text_.TagAt(p);
    if (tag == GEDTag("NOTE"))
      note_ = p;
    else if (tag == GEDTag("TEXT"))
      text_line_ = p;
  });
}

const std::string& WGEDSource::FieldText(Field field) {
  CachedText& f = fields_[field];
  if (!f.done) {
    f.text = WGEDSubLines::JoinedAt(text_, f.line, 7, "\r\n");
    f.done = true;
  }
  return f.text;
}

RecNo WGEDSource::GetRepositoryRecord() {
  const char* line = fields_[kRepository].line;
  if (!line) return 0;
  const char* value = text_.ColumnAt(line, 7);
  return value ? collection_.FindRepository(text_.GetXRef(value)) : 0;
}

std::string WGEDSource::GetAuthor() { return FieldText(kAuthor); }
std::string WGEDSource::GetTitle() { return FieldText(kTitle); }
std::string WGEDSource::GetPublication() { return FieldText(kPublication); }
std::string WGEDSource::GetCallNumber() { return FieldText(kCallNumber); }
std::string WGEDSource::GetAbbreviation() { return FieldText(kAbbreviation); }

std::unique_ptr<WABSNote> WGEDSource::GetNote() { return WGEDNote::NoteOfLine(collection_, note_); }
std::unique_ptr<WABSNote> WGEDSource::GetText() { return WGEDNote::NoteOfLine(collection_, text_line_); }

std::string WGEDSource::GetRecordText() {
  return record_ ? text_.ConvertText(text_.RecordTextAt(record_)) : std::string();
}

std::unique_ptr<WABSSource> WGEDSource::SourceOfLine(WGEDCollection& collection, const char* line) {
  if (!line) return nullptr;
  const WGEDTextMMF& text = collection.Text();
  std::string id;
  const char* value = text.ColumnAt(line, 7);
  if (value && text.GetXRef(value, id)) {
    RecNo n = collection.FindSource(id);
    return n > 0 ? collection.GetSource(n) : nullptr;
  }
  return std::make_unique<WGEDSource>(collection, line);
}
