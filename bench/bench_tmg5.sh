#!/usr/bin/env bash
# Timing of TMG 5.x projects: a generated TMG 4.x project of N people (bench_tmg_gen) rewritten
# as a 5.x project (bench_tmg5_conv), then in one run: opening it (`taravell-cli info`), the
# list of all people (`taravell-cli list`), the "Surname, Given" order (bench_sort) next to the
# same order of a GEDCOM file of N people, and 10,000 scroller steps (bench_steps) with the
# sentence notes on (the default).
#
#   bench/bench_tmg5.sh [--persons N] [--build DIR] [--work DIR] [--gedcom FILE]
#
# The GEDCOM file defaults to the one bench_sort generates in the temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."
PERSONS=1000000
BUILD=build
WORK=/tmp/taravell-bench-tmg5
GEDCOM=""
while [ $# -gt 0 ]; do
  case "$1" in
    --persons) PERSONS=$2; shift 2 ;;
    --build) BUILD=$2; shift 2 ;;
    --work) WORK=$2; shift 2 ;;
    --gedcom) GEDCOM=$2; shift 2 ;;
    *) echo "usage: bench/bench_tmg5.sh [--persons N] [--build DIR] [--work DIR] [--gedcom FILE]" >&2; exit 2 ;;
  esac
done
PROJECT="$WORK/v5/bench5_.pjc"
if [ ! -f "$PROJECT" ]; then
  mkdir -p "$WORK/v4" "$WORK/v5"
  "$BUILD/bench/bench_tmg_gen" "$WORK/v4" --persons "$PERSONS" --seed 1 >/dev/null
  "$BUILD/bench/bench_tmg5_conv" "$WORK/v4/bench__.tmg" "$WORK/v5" >/dev/null
  rm -rf "$WORK/v4"  # the 5.x project is all the runs need
fi
timed() { /usr/bin/time -f "  %e s wall, %U s user, %S s system, %M KB peak" "$@"; }
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
echo "open ($PERSONS people): taravell-cli info"
timed "$BUILD/taravell-cli" info "$PROJECT" | grep '^Importing'
echo "list of all people: taravell-cli list"
timed "$BUILD/taravell-cli" list "$PROJECT" >/dev/null
echo "\"Surname, Given\" order, TMG 5.x project:"
timed "$BUILD/bench/bench_sort" "$PROJECT" --persons "$PERSONS"
echo "\"Surname, Given\" order, GEDCOM file:"
if [ -n "$GEDCOM" ]; then
  timed "$BUILD/bench/bench_sort" "$GEDCOM" --persons "$PERSONS"
else
  timed "$BUILD/bench/bench_sort" --persons "$PERSONS"
fi
echo "10,000 scroller steps:"
timed "$BUILD/bench/bench_steps" "$PROJECT" --persons "$PERSONS" --steps 10000
