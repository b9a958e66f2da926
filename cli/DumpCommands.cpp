// The command that shows everything a reader answers: dump, as JSON Lines.

#include <cstdio>
#include <string>

#include "base/UIHooks.h"
#include "cli/Commands.h"
#include "cli/FileOpen.h"
#include "export/ModelDump.h"

namespace {

void Write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

}  // namespace

// Every individual, family and source and the submitter, one JSON object a line; with REF only
// that individual's line.
int CmdDump(const CliArgs& args) {
  const size_t count = args.positional().size();
  if (count != 1 && count != 2) return UsageError("dump: expects FILE and an optional REF");
  OpenedFile opened;
  RecNo n = 0;
  int status = kExitOk;
  if (count == 2) {
    if (!OpenFileAndIndividual(args, "dump", opened, n, status)) return status;
    Write(WModelDump(*opened.collection).IndividualLine(n) + "\n");
    return kExitOk;
  }
  opened = OpenFileForCommand(args.positional()[0]);
  if (!opened.collection) return opened.status;
  if (!WModelDump(*opened.collection).WriteAll(Write)) return kExitCancelled;
  return kExitOk;
}
