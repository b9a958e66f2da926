#pragma once

#include <QDialog>

class TURLLabel;

// "Have a Suggestion?": the heading, a line of text, and three links: "Suggestions:" and
// "Questions/Problems:" (mail links to the maker) and "User Manual:".  Shown by
// ShowSuggestionDialog() (HelpMenu.h).
class TSuggestDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TSuggestDlg(QWidget* parent = nullptr);

  TURLLabel* SuggestionLink() const { return suggestion_; }
  TURLLabel* ServiceLink() const { return service_; }
  TURLLabel* ManualLink() const { return manual_; }

 private:
  TURLLabel* suggestion_;
  TURLLabel* service_;
  TURLLabel* manual_;
};
