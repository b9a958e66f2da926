#pragma once

#include <QDialog>

class TURLLabel;

// "About": the program icon, "Brambleford Taravell Lite", the version and build stamp, and
// the links "Questions/Support", "Suggestions" and the maker's web site.  Shown by
// ShowAboutBox() (HelpMenu.h).
class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QString VersionText() const;
  // The line naming the kinds of file the program reads.
  QString FormatsText() const;
  TURLLabel* SupportLink() const { return support_; }
  TURLLabel* SuggestionsLink() const { return suggestions_; }
  TURLLabel* WebSiteLink() const { return web_site_; }

 private:
  class QLabel* version_;
  class QLabel* formats_;
  TURLLabel* support_;
  TURLLabel* suggestions_;
  TURLLabel* web_site_;
};
