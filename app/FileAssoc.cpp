#include "app/FileAssoc.h"

#include "app/IniFile.h"
#include "app/Options.h"

namespace {

constexpr const char* kAddedSection = "Added Associations";

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

bool WFileAssoc::IsOurs(std::string_view defaultAnswer) {
  // The answer is one desktop file id per line; the first is the one in use.
  std::string_view first = defaultAnswer.substr(0, defaultAnswer.find('\n'));
  return Trimmed(first) == kDesktopId;
}

WFileAssoc::Step WFileAssoc::Decide(bool gedAssoc, const std::string* defaultAnswer) {
  if (!gedAssoc || !defaultAnswer) return Step::Nothing;
  return IsOurs(*defaultAnswer) ? Step::AlreadyOurs : Step::Ask;
}

bool WFileAssoc::ApplyAnswer(Answer answer, WOptions& options) {
  if (answer == Answer::No) options.SetBool(WOptions::GEDAssoc, false);
  return answer == Answer::Yes;
}

bool WFileAssoc::WantsPafAssociation(const std::string* pafDefaultAnswer) {
  return pafDefaultAnswer && !Trimmed(*pafDefaultAnswer).empty() && !IsOurs(*pafDefaultAnswer);
}

std::string WFileAssoc::UserMimeAppsPath() { return WOptions::UserConfigFolder() + "/mimeapps.list"; }

bool WFileAssoc::AddAssociation(const std::string& path, std::string_view type, std::string_view desktopId) {
  WIniFile file(path);
  std::string list = file.ReadString(kAddedSection, type, "");
  // The list is "a.desktop;b.desktop;"; look for the id as a whole entry.
  size_t pos = 0;
  while (pos < list.size()) {
    size_t end = list.find(';', pos);
    if (end == std::string::npos) end = list.size();
    if (Trimmed(std::string_view(list).substr(pos, end - pos)) == desktopId) return true;
    pos = end + 1;
  }
  if (!list.empty() && list.back() != ';') list += ';';
  list += std::string(desktopId) + ";";
  file.WriteString(kAddedSection, type, list);
  return file.Flush();
}
