#include "formats/paf/PAF5LDSPlace.h"

#include "base/TextUtils.h"
#include "formats/paf/PAFCollection.h"
#include "model/ABSNote.h"

namespace {

constexpr uint64_t kTemple = 12;

}  // namespace

std::string WPAF5LDSPlace::GetName() {
  return Utf8ToAnsi(collection_.TextAt(view_.I32LE(ordinance_ + kTemple)));
}

std::unique_ptr<WABSNote> WPAF5LDSPlace::GetNote() { return nullptr; }
