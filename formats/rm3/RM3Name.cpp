#include "formats/rm3/RM3Name.h"

#include "formats/rm3/RM3TabI.h"

std::string WRM3Name::GetSurname() { return table_.Surname(pos_); }
std::string WRM3Name::GetGivenNames() { return table_.Given(pos_); }
std::string WRM3Name::GetPrefix() { return table_.Prefix(pos_); }

std::string WRM3Name::GetSuffix() {
  std::string suffix = table_.Suffix(pos_);
  const std::string nickname = table_.NickName(pos_);
  if (!nickname.empty()) suffix += " \"" + nickname + "\"";
  return suffix;
}
