#pragma once

// Golden-file tests: a command's output compared with checked-in text under tests/golden/.
// UPDATE_GOLDEN=1 rewrites the expected files from the current output (review the diff before
// committing it).

#include <string>
#include <vector>

// Runs taravell-cli with the arguments (already quoted) under LC_ALL=C; its standard output.
// Expects exit status 0.
std::string RunCli(const std::string& args);
// Quotes a path for the shell.
std::string ShellQuote(const std::string& s);

// The `info` rows that differ from one checkout or run to the next (path, file date, import
// time) replaced by placeholders.
std::string MaskInfo(const std::string& text);
// Ages counted to today (marked "?") in `summary` output replaced by a placeholder.
std::string MaskOpenAges(const std::string& text);
// The first `count` lines (all when count <= 0).
std::string FirstLines(const std::string& text, int count);
// `dump` lines of individuals and families numbered above `limit` dropped (sources and the
// submitter kept), so that a large file gives a golden text of reasonable size; all when
// limit <= 0.
std::string DumpPrefix(const std::string& text, int limit);

// The pedigree and descendants of each individual (`file` already quoted), one after another:
// "== REF", then "# pedigree" and "# descendants" with the commands' output.
std::string ChartsOutput(const std::string& file, const std::vector<std::string>& refs);

// Compares `actual` with tests/golden/<name> (or rewrites it under UPDATE_GOLDEN=1, skipping the
// test).  Use inside a test body.
void ExpectGolden(const std::string& actual, const std::string& name);
