#include "gui/app/HelpMenu.h"

#include <QUrl>

#include "app/MakerLinks.h"
#include "app/QuickHelp.h"
#include "gui/app/AboutBox.h"
#include "gui/app/DialogHooks.h"
#include "gui/app/SuggestDlg.h"

void ResetQuickHelp() { WQuickHelp::Reset(); }

void ShowSuggestionDialog(QWidget* parent) {
  TSuggestDlg dialog(parent);
  RunModal(dialog);
}

void ShowAboutBox(QWidget* parent) {
  TAboutBox dialog(parent);
  RunModal(dialog);
}

void EmailAFriend() { OpenExternalUrl(QUrl(QString::fromStdString(WMakerLinks::EmailAFriendLink()))); }
