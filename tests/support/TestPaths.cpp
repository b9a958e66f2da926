#include "TestPaths.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>

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
