#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ABSCollection.h"

// What a reader tells the program about itself: its name, the extensions that choose it, the
// check of a few bytes that may refuse a file before it is read, the check of its content that
// tells its files from others, and how to construct its collection.  Each reader folder defines one (or, for two generations of one
// program, two) and the registry lists them; the open step, the file dialogs, the file list and
// the help texts all work from that list.
struct WReaderInfo {
  // One entry of the open-file dialog's filter: "GEDCOM (*.ged)" with its patterns "*.ged".
  struct FilterEntry {
    std::string caption;
    std::string patterns;  // ";"-separated, e.g. "*.sub;*.xxx"
  };

  // The kind's name as the help texts give it ("Personal Ancestral File").
  std::string name;
  // Lower-case extensions with their dot (".ged").
  std::vector<std::string> extensions;
  std::vector<FilterEntry> filters;
  // A paragraph for the users of this kind of file at the end of the welcome help; empty for
  // none.  Readers that share a note (two generations of one program) give the same text.
  std::string help_note;
  // The options dialog's tab of this reader's own settings (check boxes bound to settings by
  // number); none when the caption is empty.  Readers that share a tab give the same caption,
  // and the tab is shown once.
  struct OptionsTab {
    struct CheckBox {
      const char* caption;
      int setting;
    };
    std::string caption;
    std::string note;  // shown under the check boxes; may be empty
    std::vector<CheckBox> check_boxes;
  };
  OptionsTab options;
  // Checks the file before it is read; an empty text accepts it, any other text is the message
  // that refuses it.  Never throws; a file that cannot be read is left to the reader to report.
  std::string (*probe)(const std::string& path) = nullptr;
  // The content probe: true when the first bytes of the file (or of the file set it heads) are
  // in this reader's format, whatever the file's name.  It chooses another reader when a file
  // carries the wrong extension.  Never throws; false for a file that cannot be read.
  bool (*recognises)(const std::string& path) = nullptr;
  // Constructs the collection on the path (not yet imported).  May throw ETaravellError.
  std::unique_ptr<WABSCollection> (*create)(const std::string& path) = nullptr;
};
