#pragma once

#include <string>
#include <vector>

// Where the tests find their inputs.
std::string SourceDir();                            // the checkout
std::string BinaryDir();                            // the build folder
std::string CorpusDir();                            // ../shared/corpus beside the checkout (may be absent)
bool HaveCorpus();                                  // true when CorpusDir() exists
std::string CliPath();                              // the built taravell-cli
std::string TestDataPath(const std::string& name);  // tests/data/<name>

// Runs a shell command and returns what it printed on standard output; exit status in *status.
std::string RunCommand(const std::string& command, int* status = nullptr);

// Field `column` (0-based) of every line of TAB-separated output, such as taravell-cli's.
std::vector<std::string> OutputColumn(const std::string& text, int column);
