#include "TestPaths.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <sstream>

std::string SourceDir() { return TARAVELL_SOURCE_DIR; }
std::string CorpusDir() { return TARAVELL_CORPUS_DIR; }
std::string BinaryDir() { return TARAVELL_BINARY_DIR; }

bool HaveCorpus() {
  struct stat st {};
  return stat(TARAVELL_CORPUS_DIR, &st) == 0 && S_ISDIR(st.st_mode);
}

std::string CliPath() { return TARAVELL_CLI_PATH; }

std::string TestDataPath(const std::string& name) { return SourceDir() + "/tests/data/" + name; }

std::string RunCommand(const std::string& command, int* status) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    if (status) *status = -1;
    return out;
  }
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  int rc = pclose(pipe);
  if (status) *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  return out;
}

std::vector<std::string> OutputColumn(const std::string& text, int column) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    std::string field;
    for (int i = 0; i <= column; ++i) std::getline(fields, field, '\t');
    out.push_back(field);
  }
  return out;
}
