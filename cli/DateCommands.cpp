#include "cli/Commands.h"

int CmdDate(const CliArgs&) { return UsageError("date: not available yet"); }
int CmdDateCmp(const CliArgs&) { return UsageError("datecmp: not available yet"); }
int CmdAge(const CliArgs&) { return UsageError("age: not available yet"); }
