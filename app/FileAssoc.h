#pragma once

#include <string>
#include <string_view>

class WOptions;

// The start-up check that offers to make this program the viewer of GEDCOM files, on the
// freedesktop conventions: the default application of a MIME type is asked for and set with
// `xdg-mime`, and the added association for PAF files is an entry in the user's mimeapps.list.
// This class holds the decisions; the caller runs the commands and asks the question.
class WFileAssoc {
 public:
  static constexpr const char* kDesktopId = "taravell-lite.desktop";
  static constexpr const char* kGedcomType = "application/x-gedcom";
  static constexpr const char* kPafType = "application/x-paf";
  static constexpr const char* kAskCaption = "Brambleford Taravell Lite";
  static constexpr const char* kAskText =
      "Do you want Taravell Lite to be the default viewer of GEDCOM files?\rThis means that when you double "
      "click on a GEDCOM file, Taravell will open it\r\rPress \"No\" to stop performing this check.\rPress "
      "\"Cancel\" to skip this check for now.";

  enum class Answer { Yes, No, Cancel };
  enum class Step {
    Nothing,     // the check is off, or there is no xdg-mime to ask
    Ask,         // another program (or none) opens GEDCOM files: ask the question
    AlreadyOurs  // nothing to ask; the PAF association may still be added
  };

  // gedAssoc: the setting; defaultAnswer: the output of `xdg-mime query default` for GEDCOM, or
  // nullptr when xdg-mime could not be run.
  static Step Decide(bool gedAssoc, const std::string* defaultAnswer);
  // Whether an `xdg-mime query default` output names this program.
  static bool IsOurs(std::string_view defaultAnswer);

  // After the question: Yes returns true (make this program the default, then add the PAF
  // association); No switches the check off for good; Cancel leaves everything for the next start.
  static bool ApplyAnswer(Answer answer, WOptions& options);

  // The PAF association is added only when some program already opens PAF files (it is a second
  // viewer, never the default) and it is not this one.
  static bool WantsPafAssociation(const std::string* pafDefaultAnswer);

  // The user's mimeapps.list ($XDG_CONFIG_HOME/mimeapps.list, default ~/.config/mimeapps.list).
  static std::string UserMimeAppsPath();
  // Adds desktopId to type's list in "[Added Associations]" of the mimeapps.list at path, keeping
  // every other line; true when the file now holds it.  The file is replaced in one step.
  static bool AddAssociation(const std::string& path, std::string_view type, std::string_view desktopId);

  // The commands run for the check, as argument lists for the xdg-mime program.
  static constexpr const char* kProgram = "xdg-mime";
};
