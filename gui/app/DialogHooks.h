#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QDialog;
class QWidget;

// Every modal dialog and every external link of the viewer goes through these calls, so
// that tests can answer dialogs and catch links without a window blocking or a browser
// starting.

// Runs the dialog modally (QDialog::exec) and returns its result; with a hook installed the
// hook runs instead and its answer is the result.
int RunModal(QDialog& dialog);
void SetModalHook(std::function<int(QDialog&)> hook);

// The open-file dialog (a QFileDialog run through RunModal): the chosen file's full path,
// empty when the user cancelled.
QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                        const QString& filter);

// Hands a web or mail address to the desktop's handler; with a hook installed only the hook
// is called.  The handler is the opener program (xdg-open unless SetUrlOpener named another),
// started in the background; when it cannot be started or ends with a failure (no browser or
// mail program set up), the user is told so in a message box and on stderr.  Without an opener
// program Qt's own URL opening is used, and its failure is told the same way.  False when the
// address could not be handed on at all.
bool OpenExternalUrl(const QUrl& url);
void SetUrlHook(std::function<void(const QUrl&)> hook);
// The program that opens addresses: a name looked up on PATH, or an absolute path used as it
// is.  Empty restores xdg-open.
void SetUrlOpener(const QString& program);
// The message shown when an address could not be opened; `reason` says what went wrong.
QString UrlFailureText(const QUrl& url, const QString& reason);
