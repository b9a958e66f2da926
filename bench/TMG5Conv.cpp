// Rewrites a TMG 4.x project (such as one bench_tmg_gen wrote) as a 5.x project for the timing
// runs.
//
//   bench_tmg5_conv PROJECT.tmg OUTDIR
//
// The project is OUTDIR/bench5_.pjc with its tables beside it.

#include <cstdio>
#include <string>

#include "TMG5Converter.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bench_tmg5_conv PROJECT.tmg OUTDIR\n");
    return 2;
  }
  std::string error;
  const std::string project = ConvertTMGProjectTo5(argv[1], argv[2], "bench5", &error);
  if (project.empty()) {
    std::fprintf(stderr, "bench_tmg5_conv: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", project.c_str());
  return 0;
}
