#pragma once

#include <QUrl>
#include <functional>

class QDialog;

// Every modal dialog and every external link of the viewer goes through these two calls,
// so that tests can answer dialogs and catch links without a window blocking or a
// browser starting.

// Runs the dialog modally (QDialog::exec) and returns its result; with a hook installed the
// hook runs instead and its answer is the result.
int RunModal(QDialog& dialog);
void SetModalHook(std::function<int(QDialog&)> hook);

// Hands a web or mail address to the desktop's default handler (QDesktopServices); with a
// hook installed only the hook is called.  False when the address could not be handed on.
bool OpenExternalUrl(const QUrl& url);
void SetUrlHook(std::function<void(const QUrl&)> hook);
