#include "gui/app/DialogHooks.h"

#include <QDesktopServices>
#include <QDialog>

namespace {

std::function<int(QDialog&)>& ModalHook() {
  static std::function<int(QDialog&)> hook;
  return hook;
}

std::function<void(const QUrl&)>& UrlHook() {
  static std::function<void(const QUrl&)> hook;
  return hook;
}

}  // namespace

int RunModal(QDialog& dialog) {
  if (ModalHook()) return ModalHook()(dialog);
  return dialog.exec();
}

void SetModalHook(std::function<int(QDialog&)> hook) { ModalHook() = std::move(hook); }

bool OpenExternalUrl(const QUrl& url) {
  if (UrlHook()) {
    UrlHook()(url);
    return true;
  }
  return QDesktopServices::openUrl(url);
}

void SetUrlHook(std::function<void(const QUrl&)> hook) { UrlHook() = std::move(hook); }
