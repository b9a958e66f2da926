#include "app/QuickHelp.h"

#include <algorithm>
#include <vector>

#include "app/FileMask.h"
#include "app/MainTabs.h"
#include "app/Options.h"
#include "formats/Readers.h"

namespace {

struct HelpItem {
  int setting;
  const char* title;
  const char* text;
};

const HelpItem kItems[WQuickHelp::kItemCount] = {
    // The welcome text names the registered readers and ends with their notes (WelcomeText).
    {WOptions::IH1, "Welcome to Taravell Lite", nullptr},
    {WOptions::IH2, "General Tab",
     "General Tab displays general information, submitter and file details about the genealogy "
     "file.  Each Genealogy file type contains different information.\r\n\r\n"
     "GEDCOM: Displays header information from the GEDCOM file.\r\n\r\n"
     "TMG: Displays summary information of database files.\r\n\r\n"
     "PAF: Displays file details.\r\n\r\n"
     "Legacy: Displays file version.\r\n\r\n"
     "FTW: Displays file details."},
    {WOptions::IH3, "Individual Tab",
     "The Individual Tab displays detailed information about the Active Individual.  The top "
     "section details events and family information such as birth, death, user events, parents, "
     "marriages and children.\r\n\r\n"
     "The first column labeled \"N\" in the table indicates if a note is assigned to the event or "
     "information displayed.  The text in the note is displayed in the bottom left of the tab.\r\n\r\n"
     "The second column labeled \"S\" in the table indicates if a source is assigned to the event or "
     "information displayed. The source is displayed in the bottom right of the tab.\r\n\r\n"
     "Double clicking with the left mouse button on any name will move to that individual."},
    {WOptions::IH4, "Family Tab",
     "The Family Tab displays the family information of the Active Individual.  The Active "
     "Individual is displayed in the top left section of the tab.  To the right are the parents and "
     "Spouse(s) below.  Children are sorted by birth date.\r\n\r\n"
     "Double clicking with the left mouse button on any name will move to that individual."},
    {WOptions::IH5, "Pedigree Tab",
     "The Pedigree Tab displays the Active Individual at the left and four generations of ancestors "
     "to the right: father above, mother below, each through the first family the individual is a "
     "child of.  A name shown a second time carries, in brackets, the number of the box where it "
     "stands first.\r\n\r\n"
     "Clicking a box moves to that individual.  The arrow keys move between the boxes (Right to the "
     "father, Shift+Right to the mother, Left back to the child, Up and Down within a generation) "
     "and Enter moves to the selected individual."},
    {WOptions::IH6, "Descendants Tab",
     "The Descendants Tab lists the descendants of the Active Individual: each child under his or "
     "her parents with the generation number, and each spouse marked with \"+\" above the children "
     "of that marriage.  A person who appears a second time refers to the row where the person is "
     "first listed.\r\n\r\n"
     "Double clicking with the left mouse button on any name, or pressing Enter, will move to that "
     "individual."},
};

std::string WelcomeText() {
  std::string text =
      "Welcome to Taravell Lite, a fast viewer for genealogy files.\r\n\r\n"
      "Taravell Lite opens " +
      WFileMask::FormatsText() +
      " files and loads them quickly, without changing them.  Open a file from the File menu, "
      "the directory panel at the left, or by dropping it on the window.  The scroll bar above the "
      "tabs steps through everybody in the file; the buttons beside it go to the father, the mother, "
      "a spouse or a child, and Back and Forward retrace your steps.";
  std::vector<std::string> notes;
  for (const WReaderInfo* reader : RegisteredReaders())
    if (!reader->help_note.empty() && std::find(notes.begin(), notes.end(), reader->help_note) == notes.end())
      notes.push_back(reader->help_note);
  for (const std::string& note : notes) text += "\r\n\r\n" + note;
  return text;
}

const HelpItem* Find(int item) {
  return item >= 1 && item <= WQuickHelp::kItemCount ? &kItems[item - 1] : nullptr;
}

}  // namespace

std::string WQuickHelp::Title(int item) {
  const HelpItem* found = Find(item);
  return found ? found->title : "";
}

std::string WQuickHelp::Text(int item) {
  const HelpItem* found = Find(item);
  if (!found) return "";
  return found->text ? found->text : WelcomeText();
}

int WQuickHelp::ItemForTab(int tab_index) {
  switch (tab_index) {
    case WMainTabs::kGeneral:
      return kGeneralTab;
    case WMainTabs::kIndividual:
      return kIndividualTab;
    case WMainTabs::kFamily:
      return kFamilyTab;
    case WMainTabs::kPedigree:
      return kPedigreeTab;
    case WMainTabs::kDescendants:
      return kDescendantsTab;
    default:
      return 0;
  }
}

bool WQuickHelp::IsDue(int item) {
  const HelpItem* found = Find(item);
  return found && Options().GetBool(WOptions::DispInitHelp) && Options().GetBool(found->setting);
}

void WQuickHelp::Shown(int item, bool stop_all) {
  const HelpItem* found = Find(item);
  if (!found) return;
  Options().SetBool(found->setting, false);
  Options().SetBool(WOptions::DispInitHelp, !stop_all);
}

void WQuickHelp::Reset() {
  for (const HelpItem& item : kItems) Options().SetBool(item.setting, true);
  Options().SetBool(WOptions::DispInitHelp, true);
}

std::string WQuickHelp::Notice(const std::string& title) {
  return "This help dialog box for \"" + title + "\" is only displayed once.";
}
