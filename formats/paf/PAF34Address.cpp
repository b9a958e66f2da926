#include "formats/paf/PAF34Address.h"

#include "base/TextUtils.h"

std::string WPAF34Address::GetAddress() { return Utf8ToAnsi(view_.FixedText(record_ + 93, 42)); }

std::string WPAF34Address::GetLine1() { return Utf8ToAnsi(view_.FixedText(record_ + 135, 42)); }

std::string WPAF34Address::GetLine2() { return Utf8ToAnsi(view_.FixedText(record_ + 177, 42)); }

std::string WPAF34Address::GetPhone() { return view_.FixedText(record_ + 261, 26); }
