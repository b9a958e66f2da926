#include "formats/ged/GEDHeader.h"

#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDSubLines.h"
#include "formats/ged/GEDSubmitter.h"

namespace {

class RowWriter {
 public:
  RowWriter(const WGEDTextMMF& text, int& count, GenHeaderRecs& rows)
      : text_(text), count_(count), rows_(rows) {
    count_ = 0;
  }
  // Adds a row whose value is the converted line value at column 7 of the line.
  void Add(const char* label, const char* line, const std::string& extra = std::string()) {
    if (count_ >= kGenHeaderRows) return;
    GenHeaderRec& row = rows_[count_++];
    row.heading = 0;
    row.label = label;
    row.value = text_.ConvertText(text_.LineValueViewAt(line, 7)) + extra;
    row.tab_stops.clear();
  }

 private:
  const WGEDTextMMF& text_;
  int& count_;
  GenHeaderRecs& rows_;
};

}  // namespace

void WGEDHeader::GetHeaderInfo(WGEDCollection& collection, int& count, GenHeaderRecs& rows) {
  const WGEDTextMMF& text = collection.Text();
  RowWriter out(text, count, rows);
  const char* header = collection.HeaderLine();
  if (!header) return;
  const char* end = WGEDSubLines::RecordEnd(text, header);
  for (const char* p = text.NextLine(header); p && p < end; p = text.NextLine(p)) {
    if (*p != '1') continue;
    switch (text.TagAt(p)) {
      case GEDTag("GEDC"):
        for (const char* q = text.NextLine(p); q && q < end && *q == '2'; q = text.NextLine(q)) {
          uint32_t tag = text.TagAt(q);
          if (tag == GEDTag("VERS"))
            out.Add("GEDC Version", q);
          else if (tag == GEDTag("FORM"))
            out.Add("GEDC Form", q);
        }
        break;
      case GEDTag("FILE"):
        out.Add("File name", p);
        break;
      case GEDTag("DATE"): {
        const char* next = text.NextLine(p);
        std::string time;
        if (next && next < end && text.TagAt(next) == GEDTag("TIME")) time = " " + text.LineValueAt(next, 7);
        out.Add("Date", p, time);
        break;
      }
      case GEDTag("CHAR"):
        out.Add("Char Set", p);
        break;
      case GEDTag("SOUR"):
        out.Add("Application", p);
        // The lines below, up to the next level-1 line (the header's end stops it too).
        for (const char* q = text.NextLine(p); q && q < end && *q != '1'; q = text.NextLine(q)) {
          switch (text.TagAt(q)) {
            case GEDTag("NAME"):
              out.Add("Application Name", q);
              break;
            case GEDTag("VERS"):
              out.Add("Application Version", q);
              break;
            case GEDTag("CORP"):
              out.Add("Application Corp.", q);
              break;
            case GEDTag("ADDR"):
              out.Add("Application Address", q);
              break;
            default:
              break;
          }
        }
        break;
      case GEDTag("DEST"):
        out.Add("Destination", p);
        break;
      default:
        break;
    }
  }
}

std::string WGEDHeader::GetHeaderText(WGEDCollection& collection) {
  WGEDTextMMF& text = collection.Text();
  const char* header = collection.HeaderLine();
  if (!header) return std::string();
  std::string result = text.ConvertText(text.RecordTextAt(header));
  return text.IsUnixText() ? WGEDSubLines::WithCrLf(result) : result;
}

std::unique_ptr<WABSSubmitter> WGEDHeader::GetSubmitter(WGEDCollection& collection) {
  const WGEDTextMMF& text = collection.Text();
  const char* header = collection.HeaderLine();
  if (!header) return nullptr;
  const char* end = WGEDSubLines::RecordEnd(text, header);
  for (const char* p = text.NextLine(header); p && p < end; p = text.NextLine(p)) {
    if (*p != '1' || text.TagAt(p) != GEDTag("SUBM")) continue;
    const char* value = text.ColumnAt(p, 7);
    std::string id;
    if (!value || !text.GetXRef(value, id)) continue;
    const char* record = collection.RecordLine(gkOther, collection.FindRecord(gkOther, id));
    if (!record) return nullptr;
    return std::make_unique<WGEDSubmitter>(collection, record);
  }
  return nullptr;
}
