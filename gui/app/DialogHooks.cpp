#include "gui/app/DialogHooks.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>

#include "gui/app/Messages.h"
#include "gui/app/SafeCall.h"

namespace {

std::function<int(QDialog&)>& ModalHook() {
  static std::function<int(QDialog&)> hook;
  return hook;
}

std::function<void(const QUrl&)>& UrlHook() {
  static std::function<void(const QUrl&)> hook;
  return hook;
}

QString& UrlOpener() {
  static QString opener;
  return opener;
}

// Tells the user that the address went nowhere: on stderr, in the status bar and in a box.
void ReportUrlFailure(const QUrl& url, const QString& reason) {
  const QString text = UrlFailureText(url, reason);
  ReportFailure(text);
  TMessages::Show(QApplication::activeWindow(), text);
}

}  // namespace

int RunModal(QDialog& dialog) {
  if (ModalHook()) return ModalHook()(dialog);
  return dialog.exec();
}

void SetModalHook(std::function<int(QDialog&)> hook) { ModalHook() = std::move(hook); }

QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter) {
  QFileDialog dialog(parent, caption, folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (RunModal(dialog) != QDialog::Accepted) return QString();
  return dialog.selectedFiles().value(0);
}

QString UrlFailureText(const QUrl& url, const QString& reason) {
  const bool mail = url.scheme() == QLatin1String("mailto");
  return QStringLiteral(
             "Could not open %1\n%2\nPlease set up a default %3 for your desktop (for example "
             "with xdg-settings or xdg-mime).")
      .arg(url.toDisplayString(), reason,
           mail ? QStringLiteral("mail program") : QStringLiteral("web browser"));
}

bool OpenExternalUrl(const QUrl& url) {
  if (UrlHook()) {
    UrlHook()(url);
    return true;
  }
  const QString name = UrlOpener().isEmpty() ? QStringLiteral("xdg-open") : UrlOpener();
  const QString program = QDir::isAbsolutePath(name) ? name : QStandardPaths::findExecutable(name);
  if (program.isEmpty()) {
    if (QDesktopServices::openUrl(url)) return true;
    ReportUrlFailure(url, QStringLiteral("No program to open it was found (%1 is not installed).").arg(name));
    return false;
  }
  // The opener may run as long as the program it starts; it is left to finish on its own and
  // only a failure is reported.
  auto* process = new QProcess(qApp);
  process->setProgram(program);
  process->setArguments({url.toString(QUrl::FullyEncoded)});
  process->setStandardInputFile(QProcess::nullDevice());
  process->setStandardOutputFile(QProcess::nullDevice());
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, url, name](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     ReportUrlFailure(url, QStringLiteral("%1 could not be started.").arg(name));
                     process->deleteLater();
                   });
  QObject::connect(process, &QProcess::finished, process,
                   [process, url, name](int code, QProcess::ExitStatus status) {
                     if (status != QProcess::NormalExit || code != 0)
                       ReportUrlFailure(url, QStringLiteral("%1 found no program for it (exit status %2).")
                                                 .arg(name)
                                                 .arg(status == QProcess::NormalExit ? code : -1));
                     process->deleteLater();
                   });
  process->start();
  return true;
}

void SetUrlHook(std::function<void(const QUrl&)> hook) { UrlHook() = std::move(hook); }

void SetUrlOpener(const QString& program) { UrlOpener() = program; }
