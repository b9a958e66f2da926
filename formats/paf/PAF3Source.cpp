#include "formats/paf/PAF3Source.h"

#include "model/ABSNote.h"

const WPAFSource::Fields WPAF3Source::kFields{1, 123, 245, 367, 122, 459, 475};

std::unique_ptr<WABSNote> WPAF3Source::GetText() { return nullptr; }

bool WPAF3Source::HasText() { return false; }
