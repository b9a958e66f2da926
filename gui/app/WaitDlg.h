#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include "app/WaitNesting.h"

class QLabel;
class QPushButton;
class QTimer;

// The "Working..." dialog shown during long operations.  Requests nest: only the outermost
// one shows the dialog (at once or after 250 ms, so that short operations never flash it)
// and disables a window while it is up; Cancel only sets the process-wide cancel flag,
// which the running operation notices at its next check.
class TWaitDlg : public QDialog {
  Q_OBJECT
 public:
  // Opens one nesting level.  `disable` is the window to disable while the dialog is up
  // (the active window when none is given).
  static void ShowWaitDialog(const QString& message, bool show_now, bool with_cancel,
                             QWidget* disable = nullptr);
  // Closes one level; the last one re-enables the window and destroys the dialog.
  static void HideWaitDialog();
  // The dialog while one exists (shown or pending), for tests.
  static TWaitDlg* Current();
  static int Depth();

  QPushButton* CancelButton() const { return cancel_; }
  QString Message() const;

 private:
  TWaitDlg();
  void Appear();

  QLabel* label_;
  QPushButton* cancel_;
  QTimer* delay_;
  QPointer<QWidget> disabled_;
};
