// Writes a TMG 4.x project for the timing runs.
//
//   bench_tmg_gen DIR [--persons N] [--seed S]
//
// The project is DIR/bench__.tmg with its tables beside it.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "TMGGenerator.h"

int main(int argc, char** argv) {
  std::string dir;
  int persons = 1000000;
  unsigned seed = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--persons" || arg == "--seed") && i + 1 < argc) {
      if (arg == "--persons")
        persons = std::atoi(argv[++i]);
      else
        seed = static_cast<unsigned>(std::atoi(argv[++i]));
    } else if (!arg.empty() && arg[0] != '-' && dir.empty()) {
      dir = arg;
    } else {
      std::fprintf(stderr, "usage: bench_tmg_gen DIR [--persons N] [--seed S]\n");
      return 2;
    }
  }
  if (dir.empty()) {
    std::fprintf(stderr, "usage: bench_tmg_gen DIR [--persons N] [--seed S]\n");
    return 2;
  }
  const std::string project = WriteGeneratedTMGProject(dir, persons, seed);
  if (project.empty()) {
    std::fprintf(stderr, "bench_tmg_gen: cannot write into %s\n", dir.c_str());
    return 1;
  }
  std::printf("%s\n", project.c_str());
  return 0;
}
