#pragma once

#include <string>

// "Error using the temporary folder DIR: REASON" and what to check, for a temporary file that
// cannot be made or grown (`error`: the errno value).
std::string TempFolderMessage(const std::string& folder, int error);
