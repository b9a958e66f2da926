#include "formats/paf/PAFNote.h"

#include <string>

#include "base/ChainGuard.h"
#include "base/TextUtils.h"
#include "formats/paf/PAFCollection.h"

WPAFNote::WPAFNote(WPAFCollection& collection, int32_t first, bool drop_line_feeds) {
  const WCheckedView& view = collection.View();
  const WPAFLayout& layout = collection.Layout();
  std::string text;
  WChainGuard guard(1, collection.RecordLimit(kPafNote));
  guard.ReportDamageTo(view.DamageLog());
  for (int32_t n = first; guard.Step(n);) {
    const uint64_t record = collection.NoteChainPos(n);
    if (record == 0) break;
    text += Utf8ToAnsi(view.FixedText(record + layout.note_piece, layout.note_piece_width));
    n = view.I32LE(record);
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\r', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    AddLine(drop_line_feeds ? ReplaceChar(line, '\n', "") : line);
    start = end + 1;
  }
}
