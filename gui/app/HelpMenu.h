#pragma once

class QWidget;

// The Help menu's commands, for the main window to connect its menu items to.  Dialogs run
// through RunModal and links through OpenExternalUrl (DialogHooks.h).

// "Reset Quick Help Dialog Boxes": every quick-help item is due again.  The main window
// then refreshes the shown tab, which may show that tab's quick help at once.
void ResetQuickHelp();
// "Make a Suggestion"
void ShowSuggestionDialog(QWidget* parent);
// "&About..."
void ShowAboutBox(QWidget* parent);
// "Email a Friend...": a new message in the user's mail program.
void EmailAFriend();
