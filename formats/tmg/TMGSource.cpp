#include "formats/tmg/TMGSource.h"

#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGNote.h"
#include "formats/tmg/TMGSourceSent.h"
#include "formats/tmg/TMGTabA.h"
#include "formats/tmg/TMGTabM.h"

WTMGSource::WTMGSource(WTMGCollection& collection, int source_pos)
    : collection_(collection), pos_(source_pos) {}

const std::vector<std::string>& WTMGSource::Elements() {
  if (!elements_read_) {
    elements_read_ = true;
    elements_ = WTMGTable::SplitParts(collection_.Sources().InfoMemo(pos_));
  }
  return elements_;
}

std::string WTMGSource::Element(size_t k) {
  const std::vector<std::string>& elements = Elements();
  return k >= 1 && k <= elements.size() ? elements[k - 1] : std::string();
}

std::string WTMGSource::GetTitle() { return collection_.Sources().TitleMemo(pos_); }

std::string WTMGSource::GetAbbreviation() { return collection_.Sources().Abbreviation(pos_); }

std::unique_ptr<WABSNote> WTMGSource::GetText() {
  return WTMGNote::FromMemo(collection_.Sources().TextMemo(pos_));
}

bool WTMGSource::HasText() { return !collection_.Sources().TextMemo(pos_).empty(); }

std::string WTMGSource::FootnoteTemplate() {
  const WTMGTabM& sources = collection_.Sources();
  if (sources.FootFormBlock(pos_) > 0) return sources.FootFormMemo(pos_);
  return collection_.SourceTypes().FootFormOfType(sources.Type(pos_));
}

std::string WTMGSource::GetSummary() {
  if (!summary_built_) {
    summary_built_ = true;
    summary_ = WTMGSourceSent(collection_, FootnoteTemplate(), Elements()).GetSentenceText();
  }
  return summary_;
}

std::unique_ptr<WABSNote> WTMGSource::GetDisplayNote() { return WTMGNote::FromMemo(GetSummary()); }
