#pragma once

#include <string>

// Golden tests: the CLI's output on a fixture compared with checked-in text under
// tests/golden/.  With UPDATE_GOLDEN=1 in the environment the expected file is rewritten from
// the output instead (review the diff before committing it).

// Runs taravell-cli with the arguments (quoted by the caller) in the C locale and returns what
// it printed, standard error included; the exit status must be `expected_status`.
std::string RunCliForGolden(const std::string& arguments, int expected_status = 0);

// `info` output with the rows that differ between runs masked: the file's path and date, the
// import time, and the fixture folder wherever it appears.
std::string MaskRunDetails(const std::string& text, const std::string& fixture_dir);

// Compares `actual` with tests/golden/<expected_name> (or rewrites it, see above).
void CompareWithGolden(const std::string& expected_name, const std::string& actual);

// A path quoted for the shell.
inline std::string ShellQuote(const std::string& s) { return "'" + s + "'"; }
