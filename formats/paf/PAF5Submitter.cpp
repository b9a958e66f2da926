#include "formats/paf/PAF5Submitter.h"

#include "base/TextUtils.h"

std::string WPAF5Submitter::GetName() { return Utf8ToAnsi(TrimText(Raw(734, 84))); }
