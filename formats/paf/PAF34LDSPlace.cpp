#include "formats/paf/PAF34LDSPlace.h"

#include "formats/paf/PAFCollection.h"
#include "model/ABSNote.h"

namespace {

constexpr uint64_t kTemple = 6;
constexpr uint64_t kNote = 14;

}  // namespace

std::string WPAF34LDSPlace::GetName() {
  const int32_t temple = view_.I32LE(ordinance_ + kTemple);
  return WPAFCollection::IsLink(temple) ? collection_.TextAt(temple) : FallbackPlace();
}

std::unique_ptr<WABSNote> WPAF34LDSPlace::GetNote() {
  const int32_t link = view_.I32LE(ordinance_ + kNote);
  return WPAFCollection::IsLink(link) ? collection_.NewNote(link) : nullptr;
}
