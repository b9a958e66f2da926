// taravell-cli: the headless front end over the core, for scripts, tests and benchmarks.

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/Options.h"
#include "base/Errors.h"
#include "base/MappingGuard.h"
#include "base/UIHooks.h"
#include "cli/FileOpen.h"
#include "cli/CliArgs.h"
#include "cli/CliSettings.h"
#include "cli/Commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const CliArgs&);
  const char* usage;
};

const Command kCommands[] = {
    {"date", CmdDate, "date TEXT...            how each date text reads"},
    {"datecmp", CmdDateCmp, "datecmp A B             compare two dates (-1, 0, 1)"},
    {"age", CmdAge, "age A B                 the age at B of someone born at A"},
    {"info", CmdInfo, "info FILE               the General tab's rows: file, submitter, header"},
    {"list", CmdList,
     "list FILE               one line per individual: number, id, sex, name, birth, death, parents\n"
     "                          [--sort surname|fullname|userid|rin] in that order"},
    {"find", CmdFind,
     "find FILE TEXT          where advanced find lands: position, number, id, name\n"
     "                          [--by surname|fullname|userid|rin|index] (default surname)"},
    {"summary", CmdSummary,
     "summary FILE REF        the individual's summary (REF: record number or identifier)"},
    {"record", CmdRecord, "record FILE REF         the individual's record as it stands in the file"},
    {"show", CmdShow, "show FILE REF           the Individual tab's rows [--chrono] [--lds] [--notes]"},
    {"family", CmdFamily,
     "family FILE REF         the Family tab: boxes, marriage, counter, children [--marriage K]"},
    {"pedigree", CmdPedigree,
     "pedigree FILE REF       the ancestors: number, record, name, birth, death [--generations N]\n"
     "                          (default 5: the person and four generations, as the tab shows)"},
    {"descendants", CmdDescendants,
     "descendants FILE REF    the descendants list: generation, P or S, record, name, birth, death\n"
     "                          [--generations N] (default DesGenLimit)"},
    {"dump", CmdDump,
     "dump FILE [REF]         everything the file holds as JSON Lines (REF: one individual)"},
    {"export", CmdExport, "export FILE OUT.ged      the file as GEDCOM 5.5.1 (UTF-8); never over FILE"},
    {"settings", CmdSettings,
     "settings [KEY...]       the settings of this run: number, section, key, value"},
};

void PrintUsage(FILE* out) {
  std::fprintf(out, "usage: taravell-cli [--ini PATH] [--set Key=Value]... [--json] COMMAND ARGS...\n\n");
  std::fprintf(out, "commands:\n");
  for (const Command& c : kCommands) std::fprintf(out, "  %s\n", c.usage);
}

volatile sig_atomic_t g_stop_signal = 0;

extern "C" void OnInterrupt(int signo) {
  g_stop_signal = signo;
  ImportCancelled = true;
}

}  // namespace

int UsageError(const std::string& message) {
  std::fprintf(stderr, "taravell-cli: %s\n", message.c_str());
  std::fprintf(stderr, "Try 'taravell-cli --help'.\n");
  return kExitUsage;
}

int main(int argc, char** argv) {
  CliArgs args;
  if (!args.Parse(argc, argv)) return UsageError(args.error());
  if (args.Flag("help") || args.command() == "help") {
    PrintUsage(stdout);
    return kExitOk;
  }
  if (args.command().empty()) return UsageError("no command given");
  if (std::string error; !ApplyCliSettings(args, Options(), &error)) return UsageError(error);

  // A file that shrinks under a command ends it at the next check (it then says so below).
  StopLongLoopsOnMappingFault(true);
  // Ctrl-C asks the running import or sort to stop at its next check.
  struct sigaction sa {};
  sa.sa_handler = OnInterrupt;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  // The export stops the same way when it is terminated or its terminal goes away, so that it
  // removes its temporary file.
  if (args.command() == "export") {
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
  }

  for (const Command& c : kCommands) {
    if (args.command() == c.name) {
      int status = c.run(args);
      std::fflush(stdout);
      if (const std::string changed = ChangedCommandFile(); !changed.empty()) {
        std::fprintf(stderr, "%s\n", ChangedWhileReadingMessage(changed).c_str());
        return kExitFailure;
      }
      if (ImportCancelled) return g_stop_signal == SIGINT || g_stop_signal == 0 ? kExitCancelled : 128 + g_stop_signal;
      return status;
    }
  }
  return UsageError("unknown command '" + args.command() + "'");
}
