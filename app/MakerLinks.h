#pragma once

#include <string>

// The maker's addresses and the program's version texts, kept in one place for the small
// dialogs, the main window's web-site link and "Email a Friend...".  The program only hands
// these addresses to the desktop's default handler.
class WMakerLinks {
 public:
  static constexpr int kBuildNumber = 555;

  static std::string WebSite();
  static std::string UserManual();
  static std::string SuggestionAddress();
  static std::string ServiceAddress();

  // "1.15.555"
  static std::string VersionNumber();
  // "Version: 1.15.555"
  static std::string VersionText();
  // "Built: ..." as the About box shows it.
  static std::string BuildStamp();
  static std::string ProductName();

  // A mail link ("mailto:") with the subject and body percent-encoded (texts in UTF-8).
  static std::string MailLink(const std::string& address, const std::string& subject,
                              const std::string& body);
  // The body of the suggestion and service mails: "Taravell Lite (1.15.555)".
  static std::string MailBody();
  static std::string SuggestionMailLink();
  static std::string ServiceMailLink();
  // "Email a Friend...": a new message without an address, subject "Taravell Lite".
  static std::string EmailAFriendLink();

  // Percent-encodes everything but letters, digits and "-._~".
  static std::string PercentEncode(const std::string& text);
};
