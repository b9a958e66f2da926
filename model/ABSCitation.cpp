#include "model/ABSCitation.h"

#include "model/ABSNote.h"
#include "model/ABSSource.h"

WABSCitation::~WABSCitation() = default;

namespace {

void AppendPart(std::string& text, const std::string& part) {
  if (!text.empty()) text += ", ";
  text += part;
}

}  // namespace

std::string WABSCitation::GetCitationText() {
  std::string text = GetDetail();
  if (std::unique_ptr<WABSNote> note = GetNote()) AppendPart(text, WABSNote::TextOf(note.get()));
  if (std::unique_ptr<WABSSource> source = GetSource()) {
    AppendPart(text, source->GetSummary());
    if (std::unique_ptr<WABSNote> source_note = source->GetNote())
      AppendPart(text, WABSNote::TextOf(source_note.get()));
  }
  return text;
}

std::string WABSCitation::ListText(int count, const std::function<std::unique_ptr<WABSCitation>(int)>& get) {
  std::string text;
  bool first = true;
  for (int n = 1; n <= count; ++n) {
    std::unique_ptr<WABSCitation> citation = get(n);
    if (!citation) continue;
    if (first) {
      text = "1) ";
      first = false;
    } else {
      text += "\r\n\r\n" + std::to_string(n) + ") ";
    }
    text += citation->GetCitationText();
  }
  return text;
}
