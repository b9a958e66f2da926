#include "formats/paf/PAF4Source.h"

#include "formats/paf/PAF3Source.h"
#include "formats/paf/PAFCollection.h"
#include "model/ABSNote.h"

namespace {

constexpr uint64_t kText = 8;

}  // namespace

WPAF4Source::WPAF4Source(WPAFCollection& collection, uint64_t record, uint64_t extension)
    : WPAFSource(collection, record, WPAF3Source::kFields), extension_(extension) {}

int32_t WPAF4Source::TextLink() const {
  if (!record_ || !extension_) return 0;
  const int32_t link = view_.I32LE(extension_ + kText);
  return WPAFCollection::IsLink(link) ? link : 0;
}

std::unique_ptr<WABSNote> WPAF4Source::GetText() {
  const int32_t link = TextLink();
  return link ? collection_.NewNote(link) : nullptr;
}

bool WPAF4Source::HasText() { return TextLink() != 0; }
