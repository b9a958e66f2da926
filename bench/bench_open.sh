#!/usr/bin/env bash
# Opening speed of GEDCOM files: `taravell-cli info` (import, links and the General tab)
# against the physical-limit scan (mmap + memchr per line) and the fastest peer parser
# (Gedcom.pm in its lazy mode), on the same warm file in one run.
#
#   bench/bench_open.sh [--runs R] [--peer-max N] [--build DIR] [SIZE...]
#
# SIZE is a number of generated individuals (default: 100000 1000000).  Files are
# generated once into /tmp.  The peer is run for sizes up to --peer-max (default 100000;
# it needs the Debian package libgedcom-perl).  Every figure is the median of R runs
# (default 3); memory is the peak resident size, and "index" the peak beyond the mapped
# file, per individual.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
# The shared tools sit beside the checkout, in ../shared/bench.
SHARED=$(cd "$ROOT/.." && pwd)/shared/bench
if [ ! -d "$SHARED" ]; then
  echo "$(basename "$0"): $SHARED not found (the shared bench tools belong beside the checkout)" >&2
  exit 2
fi
RUNS=3
PEER_MAX=100000
BUILD="$ROOT/build"
SIZES=()
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) RUNS=$2; shift 2 ;;
    --peer-max) PEER_MAX=$2; shift 2 ;;
    --build) BUILD=$2; shift 2 ;;
    *) SIZES+=("$1"); shift ;;
  esac
done
[ ${#SIZES[@]} -gt 0 ] || SIZES=(100000 1000000)

CLI="$BUILD/taravell-cli"
[ -x "$CLI" ] || { echo "bench: build first ($CLI is missing)" >&2; exit 1; }
LIMIT="$BUILD/limit_scan"
if [ ! -x "$LIMIT" ] || [ "$SHARED/limit_scan.c" -nt "$LIMIT" ]; then
  cc -O2 -o "$LIMIT" "$SHARED/limit_scan.c"
fi
PEER="$SHARED/peers/load_perl_gedcom.pl"
HAVE_PEER=0
perl -MGedcom -e 1 2>/dev/null && HAVE_PEER=1

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# median_run NAME COMMAND...: runs the command RUNS times; prints "wall user+sys peak_kb"
# of the run with the median wall time.
median_run() {
  local i
  : > "$TMP/runs"
  for ((i = 0; i < RUNS; i++)); do
    /usr/bin/time -f "%e %U %S %M" -o "$TMP/t" "$@" > /dev/null 2> "$TMP/err" || {
      echo "bench: failed: $*" >&2; cat "$TMP/err" >&2; exit 1; }
    awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$TMP/t" >> "$TMP/runs"
  done
  sort -n "$TMP/runs" | awk -v n="$RUNS" 'NR == int((n + 1) / 2)'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print "-" }'; }

printf "%-10s %-12s %8s %8s %10s\n" "people" "tool" "wall s" "cpu s" "peak MB"
for n in "${SIZES[@]}"; do
  file="/tmp/bench-$n-seed1.ged"
  [ -s "$file" ] || python3 "$SHARED/gen_gedcom.py" --individuals "$n" --seed 1 --out "$file" > /dev/null
  cat "$file" > /dev/null  # warm
  size_kb=$(( $(stat -L -c %s "$file") / 1024 ))
  read -r lw lc lm < <(median_run "$LIMIT" "$file")
  read -r tw tc tm < <(median_run "$CLI" info "$file")
  printf "%-10s %-12s %8s %8s %10s\n" "$n" "limit scan" "$lw" "$lc" "$((lm / 1024))"
  printf "%-10s %-12s %8s %8s %10s\n" "$n" "taravell" "$tw" "$tc" "$((tm / 1024))"
  echo "  taravell / limit: wall $(ratio "$tw" "$lw")x, cpu $(ratio "$tc" "$lc")x"
  echo "  index memory: $(awk -v m="$tm" -v f="$size_kb" -v n="$n" 'BEGIN { printf "%.0f", (m - f) * 1024 / n }') bytes per person beyond the mapped file"
  if [ "$HAVE_PEER" = 1 ] && [ "$n" -le "$PEER_MAX" ]; then
    read -r pw pc pm < <(median_run perl "$PEER" --lazy "$file")
    printf "%-10s %-12s %8s %8s %10s\n" "$n" "Gedcom.pm" "$pw" "$pc" "$((pm / 1024))"
    echo "  Gedcom.pm / taravell: wall $(ratio "$pw" "$tw")x, cpu $(ratio "$pc" "$tc")x"
  elif [ "$HAVE_PEER" = 0 ]; then
    echo "  (peer skipped: apt-get install libgedcom-perl)"
  fi
done
