#include "gui/app/WaitDlg.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "base/UIHooks.h"

namespace {

WWaitNesting& Nesting() {
  static WWaitNesting nesting;
  return nesting;
}

// The one dialog; a plain top-level window, so disabling the main window leaves its Cancel
// button usable.
QPointer<TWaitDlg>& Dialog() {
  static QPointer<TWaitDlg> dialog;
  return dialog;
}

}  // namespace

TWaitDlg::TWaitDlg()
    : QDialog(nullptr,
              Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QStringLiteral("Working..."));
  setAttribute(Qt::WA_DeleteOnClose, false);
  auto* layout = new QVBoxLayout(this);
  label_ = new QLabel(this);
  label_->setAlignment(Qt::AlignCenter);
  layout->addWidget(label_);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  layout->addWidget(cancel_, 0, Qt::AlignHCenter);
  connect(cancel_, &QPushButton::clicked, this, [] { ImportCancelled = true; });
  delay_ = new QTimer(this);
  delay_->setSingleShot(true);
  delay_->setInterval(WWaitNesting::kDelayMs);
  connect(delay_, &QTimer::timeout, this, &TWaitDlg::Appear);
}

QString TWaitDlg::Message() const { return label_->text(); }

void TWaitDlg::Appear() {
  delay_->stop();
  if (disabled_) disabled_->setEnabled(false);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  show();
  raise();
  repaint();
}

void TWaitDlg::ShowWaitDialog(const QString& message, bool show_now, bool with_cancel, QWidget* disable) {
  if (!Dialog()) Dialog() = new TWaitDlg();
  TWaitDlg* dlg = Dialog();
  dlg->cancel_->setVisible(with_cancel);
  dlg->cancel_->setEnabled(with_cancel);
  dlg->setFixedSize(300, WWaitNesting::Height(with_cancel, IsLargeFonts()));
  if (with_cancel) dlg->cancel_->setFocus();
  switch (Nesting().Enter(show_now, with_cancel)) {
    case WWaitNesting::Action::kNone:
      return;
    case WWaitNesting::Action::kShowNow:
      dlg->disabled_ = disable ? disable : QApplication::activeWindow();
      dlg->label_->setText(message);
      dlg->Appear();
      return;
    case WWaitNesting::Action::kStartTimer:
      dlg->disabled_ = disable ? disable : QApplication::activeWindow();
      dlg->label_->setText(message);
      dlg->delay_->start();
      return;
  }
}

void TWaitDlg::HideWaitDialog() {
  if (Nesting().Leave() && Dialog()) {
    TWaitDlg* dlg = Dialog();
    if (dlg->disabled_) dlg->disabled_->setEnabled(true);
    dlg->delay_->stop();
    dlg->hide();
    // Deleted later: this may run inside the dialog's own event handling.
    dlg->deleteLater();
    Dialog() = nullptr;
  }
}

TWaitDlg* TWaitDlg::Current() { return Dialog(); }

int TWaitDlg::Depth() { return Nesting().Depth(); }
