#pragma once

#include <string>

#include "cli/CliArgs.h"

class WOptions;

// Prepares the settings for one run of taravell-cli: the defaults, then the file named by
// "--ini PATH", then every "--set Key=Value" in order.  The settings file is only read, never
// written.  Returns false with a message for the user on a bad --set or an unreadable --ini file.
bool ApplyCliSettings(const CliArgs& args, WOptions& options, std::string* error);
