#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The quick-help dialog ("Quick Help"): the item's title, its text under "Description", the
// notice that it is shown only once, and the check box "Stop displaying these help dialog
// boxes".  Escape or the close button closes it.
//
// The main window only calls the static entry points:
//   TInitHelpDialog::ShowQuickHelp(WQuickHelp::kWelcome, this) when first shown, and
//   TInitHelpDialog::ShowQuickHelpForTab(tabIndex, this) after refreshing a data tab (General,
//   Individual, Family, Pedigree or Descendants, by position on screen) while a file is open.
// They show the dialog (through RunModal, so tests can answer it) only when the item is
// still due, and record the answer in the settings.
class TInitHelpDialog : public QDialog {
  Q_OBJECT
 public:
  // `links`: optional "caption|context;caption|context" entries for the "User Manual Links"
  // area; without entries the area is hidden.
  TInitHelpDialog(const QString& title, const QString& text, const QString& links = QString(),
                  QWidget* parent = nullptr);

  bool StopChecked() const;
  QString Title() const;
  QString Text() const;
  QString Notice() const;
  QCheckBox* StopBox() const { return stop_box_; }
  // The number of link labels in the "User Manual Links" area.
  int LinkCount() const { return link_count_; }

  // Shows item 1 to 4 when it is due; true when the dialog was shown.
  static bool ShowQuickHelp(int item, QWidget* parent);
  // The item of a data tab (WQuickHelp::ItemForTab); other tabs show nothing.
  static bool ShowQuickHelpForTab(int tab_index, QWidget* parent);

 private:
  QLabel* title_label_;
  QPlainTextEdit* text_box_;
  QLabel* notice_label_;
  QCheckBox* stop_box_;
  int link_count_ = 0;
};
