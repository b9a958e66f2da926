#include "formats/paf/PAF5Address.h"

#include "base/TextUtils.h"

std::string WPAF5Address::GetAddress() { return Utf8ToAnsi(view_.FixedText(record_ + 84, 84)); }

std::string WPAF5Address::GetLine1() { return Utf8ToAnsi(view_.FixedText(record_ + 168, 84)); }

std::string WPAF5Address::GetLine2() { return Utf8ToAnsi(view_.FixedText(record_ + 252, 84)); }

std::string WPAF5Address::GetPhone() { return Utf8ToAnsi(view_.FixedText(record_ + 420, 52)); }
