#pragma once

#include "cli/CliArgs.h"

// Exit statuses of taravell-cli.
enum CliStatus { kExitOk = 0, kExitFailure = 1, kExitUsage = 2, kExitCancelled = 130 };

// One function per command; each returns the exit status.  Usage errors print a line
// to stderr and return kExitUsage.
int CmdDate(const CliArgs& args);
int CmdDateCmp(const CliArgs& args);
int CmdAge(const CliArgs& args);
int CmdList(const CliArgs& args);
int CmdInfo(const CliArgs& args);
int CmdSummary(const CliArgs& args);
int CmdRecord(const CliArgs& args);
int CmdShow(const CliArgs& args);
int CmdFamily(const CliArgs& args);
int CmdPedigree(const CliArgs& args);
int CmdDescendants(const CliArgs& args);
int CmdSettings(const CliArgs& args);
int CmdFind(const CliArgs& args);
int CmdDump(const CliArgs& args);
int CmdExport(const CliArgs& args);

// The advanced find mode of a --by name (surname, fullname, userid, rin, index); 0 for others.
int SearchModeByName(const std::string& name);

// Prints "taravell-cli: <message>" and the usage hint to stderr; returns kExitUsage.
int UsageError(const std::string& message);
