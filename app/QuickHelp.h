#pragma once

#include <string>

// Quick help: a short explanation shown once, the first time the program starts (the
// welcome) and the first time each data tab is shown with a file open.  Each item has a
// setting that says whether it is still due ("IH1" to "IH6"), and "DispInitHelp" switches
// all of them off at once.  Only the texts and the once-only rule live here; the dialog is
// the GUI's.
class WQuickHelp {
 public:
  enum Item : int {
    kWelcome = 1,
    kGeneralTab = 2,
    kIndividualTab = 3,
    kFamilyTab = 4,
    kPedigreeTab = 5,
    kDescendantsTab = 6
  };
  static constexpr int kItemCount = 6;

  // The title and text of an item (1 to kItemCount); empty for any other number.  Texts use
  // CR LF.
  static std::string Title(int item);
  static std::string Text(int item);
  // The item of a data tab by its position on screen (WMainTabs: General, Individual, Family,
  // Pedigree, Descendants); 0 for any other tab.
  static int ItemForTab(int tab_index);

  // True when the item is still to be shown: "DispInitHelp" and the item's own setting.
  static bool IsDue(int item);
  // After the dialog for the item closed: the item is done, and the whole quick help stays
  // on only when the stop check box was left clear.
  static void Shown(int item, bool stop_all);
  // "Reset Quick Help Dialog Boxes": every item is due again.
  static void Reset();

  // The dialog's notice: This help dialog box for "title" is only displayed once.
  static std::string Notice(const std::string& title);
};
