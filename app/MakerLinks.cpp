#include "app/MakerLinks.h"

#include <cstdio>

#ifndef TARAVELL_VERSION_MAJOR
#define TARAVELL_VERSION_MAJOR 1
#endif
#ifndef TARAVELL_VERSION_MINOR
#define TARAVELL_VERSION_MINOR 15
#endif

std::string WMakerLinks::WebSite() { return "https://www.brambleford.example/taravell/"; }

std::string WMakerLinks::UserManual() { return "https://www.brambleford.example/taravell/manual/"; }

std::string WMakerLinks::SuggestionAddress() { return "suggestions@brambleford.example"; }

std::string WMakerLinks::ServiceAddress() { return "service@brambleford.example"; }

std::string WMakerLinks::VersionNumber() {
  return std::to_string(TARAVELL_VERSION_MAJOR) + "." + std::to_string(TARAVELL_VERSION_MINOR) + "." +
         std::to_string(kBuildNumber);
}

std::string WMakerLinks::VersionText() { return "Version: " + VersionNumber(); }

std::string WMakerLinks::BuildStamp() { return "Built: Tue Aug 21 2007 - 22:42:39"; }

std::string WMakerLinks::ProductName() { return "Brambleford Taravell Lite"; }

std::string WMakerLinks::PercentEncode(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
        c == '_' || c == '~') {
      out += static_cast<char>(c);
    } else {
      char buffer[4];
      std::snprintf(buffer, sizeof buffer, "%%%02X", c);
      out += buffer;
    }
  }
  return out;
}

std::string WMakerLinks::MailLink(const std::string& address, const std::string& subject,
                                  const std::string& body) {
  std::string link = "mailto:" + address;
  char separator = '?';
  if (!subject.empty()) {
    link += separator + std::string("subject=") + PercentEncode(subject);
    separator = '&';
  }
  if (!body.empty()) link += separator + std::string("body=") + PercentEncode(body);
  return link;
}

std::string WMakerLinks::MailBody() { return "Taravell Lite (" + VersionNumber() + ")"; }

std::string WMakerLinks::SuggestionMailLink() {
  return MailLink(SuggestionAddress(), "Suggestion", MailBody());
}

std::string WMakerLinks::ServiceMailLink() { return MailLink(ServiceAddress(), "Service", MailBody()); }

std::string WMakerLinks::EmailAFriendLink() {
  return MailLink(
      "", "Taravell Lite",
      "Taravell Lite, a fast viewer for genealogy files, is available free of charge from " + WebSite());
}
