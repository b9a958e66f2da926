#include "formats/paf/PAF34Submitter.h"

#include "base/TextUtils.h"

std::string WPAF34Submitter::GetName() { return Utf8ToAnsi(TrimText(Raw(416, 61) + " " + Raw(477, 61))); }
