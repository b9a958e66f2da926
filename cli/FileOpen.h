#pragma once

#include <memory>
#include <string>

#include "base/TextUtils.h"
#include "model/ABSCollection.h"

// Opening a genealogy file for a command, the way the viewer opens it: the reader chosen
// by CreateCollectionForFile, Import (with a progress line on a terminal; Ctrl-C cancels),
// then BuildLinks.  When the file turned out damaged while the command read it, the damage
// notice is printed once on stderr as the opened file is let go (the exit status stays).
struct OpenedFile {
  OpenedFile() = default;
  OpenedFile(OpenedFile&&) = default;
  OpenedFile& operator=(OpenedFile&&) = default;
  // Notes whether the file changed on disk while the collection was open (ChangedCommandFile).
  ~OpenedFile();

  std::unique_ptr<WABSCollection> collection;
  // Import plus BuildLinks, in seconds.
  double import_seconds = 0;
  // The exit status to return when `collection` is none: kExitFailure after the message
  // was printed, kExitCancelled when the import was cancelled.
  int status = 0;
};

OpenedFile OpenFileForCommand(const std::string& path);

// The path of the file the last OpenFileForCommand opened when it (or, for TMG and RootsMagic,
// one of its tables) changed on disk since; empty when nothing changed or nothing was opened.
std::string ChangedCommandFile();

// A record reference of the command line: a record number ("12"), or an identifier with or
// without its "@" signs ("I12", "@I12@").  The individual's record number; 0 when there
// is none such.
RecNo ResolveIndividualRef(WABSCollection& collection, const std::string& ref);

class CliArgs;
// Opens the FILE of a "COMMAND FILE REF" command line and finds the individual REF; on
// failure prints the usage error, the open message or the unknown reference, sets the exit
// status and returns false.
bool OpenFileAndIndividual(const CliArgs& args, const char* command, OpenedFile& opened, RecNo& rec_no,
                           int& status);

// A model text (Windows-1252) as one TAB-separated output field in UTF-8: each line break
// (CR LF, CR or LF) and, unless `keep_tabs`, each TAB becomes one space.
std::string OutputField(const std::string& text, bool keep_tabs = false);
// A path as one output field: its bytes as the file system has them (not a model text),
// each line break or TAB as one space.
std::string OutputPath(const std::string& path);
// A multi-line model text in UTF-8 with each CR LF (or lone CR) as a line feed.
std::string OutputText(const std::string& text);
// Prints an error message of the open cycle or a reader to stderr, line breaks as line
// feeds.
void PrintOpenError(const std::string& message);
