#include "formats/ged/GEDCitation.h"

#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDNote.h"
#include "formats/ged/GEDSource.h"
#include "formats/ged/GEDSubLines.h"

WGEDCitation::WGEDCitation(WGEDCollection& collection, const char* line)
    : collection_(collection), text_(collection.Text()), line_(line) {
  WGEDSubLines::ByDepth(text_, line, [&](const char* p) {
    uint32_t tag = text_.TagAt(p);
    if (tag == GEDTag("PAGE"))
      page_ = p;
    else if (tag == GEDTag("NOTE"))
      note_ = p;
  });
}

std::string WGEDCitation::GetDetail() { return WGEDSubLines::ConvertedAt(text_, page_, 7); }

std::unique_ptr<WABSNote> WGEDCitation::GetNote() { return WGEDNote::NoteOfLine(collection_, note_); }

std::unique_ptr<WABSSource> WGEDCitation::GetSource() { return WGEDSource::SourceOfLine(collection_, line_); }

RecNo WGEDCitation::GetSourceRecord() {
  std::string id;
  const char* value = text_.ColumnAt(line_, 7);
  return value && text_.GetXRef(value, id) ? collection_.FindSource(id) : 0;
}
