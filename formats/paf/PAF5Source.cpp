#include "formats/paf/PAF5Source.h"

#include "model/ABSNote.h"

namespace {

constexpr uint64_t kText = 488;

}  // namespace

const WPAFSource::Fields WPAF5Source::kFields{0, 124, 248, 372, 124, 464, 480};

std::unique_ptr<WABSNote> WPAF5Source::GetText() { return NoteAt(kText); }

bool WPAF5Source::HasText() { return LinkAt(kText) != 0; }
