#!/usr/bin/env bash
# Speed and memory of the GEDCOM export against the import of the same file: `taravell-cli
# info` (import, links, the General tab) and `taravell-cli export` (the same import, then the
# whole file written as GEDCOM), alternately on the same warm generated file, in one run.
#
#   bench/bench_export.sh [--runs R] [--build DIR] [SIZE...]
#
# SIZE is a number of generated individuals (default 1000000); files are generated once into
# /tmp.  Figures are the medians of R runs (default 3): wall and CPU seconds and peak resident
# memory.  The export's own cost is its time less the import's; "flat" memory means the export's
# peak stays near the import's (the mapped file and the indexes), whatever the file's size.
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
BUILD="$ROOT/build"
SIZES=()
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) RUNS=$2; shift 2 ;;
    --build) BUILD=$2; shift 2 ;;
    *) SIZES+=("$1"); shift ;;
  esac
done
[ ${#SIZES[@]} -gt 0 ] || SIZES=(1000000)
CLI="$BUILD/taravell-cli"
[ -x "$CLI" ] || { echo "bench: build first ($CLI is missing)" >&2; exit 1; }

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# run NAME COMMAND...: appends "wall cpu peak_kb" of one run to $TMP/NAME.
run() {
  local name=$1
  shift
  /usr/bin/time -f "%e %U %S %M" -o "$TMP/t" "$@" > /dev/null 2> "$TMP/err" || {
    echo "bench: failed: $*" >&2; cat "$TMP/err" >&2; exit 1; }
  awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$TMP/t" >> "$TMP/$name"
}
median() { sort -n "$TMP/$1" | awk -v n="$RUNS" 'NR == int((n + 1) / 2)'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print "-" }'; }

printf "%-10s %-8s %8s %8s %10s\n" "people" "step" "wall s" "cpu s" "peak MB"
for n in "${SIZES[@]}"; do
  file="/tmp/bench-$n-seed1.ged"
  [ -s "$file" ] || python3 "$SHARED/gen_gedcom.py" --individuals "$n" --seed 1 --out "$file" > /dev/null
  cat "$file" > /dev/null  # warm
  rm -f "$TMP/import" "$TMP/export"
  for ((i = 0; i < RUNS; i++)); do
    run import "$CLI" info "$file"
    run export "$CLI" export "$file" "$TMP/out.ged"
    rm -f "$TMP/out.ged"
  done
  read -r iw ic im < <(median import)
  read -r ew ec em < <(median export)
  printf "%-10s %-8s %8s %8s %10s\n" "$n" "import" "$iw" "$ic" "$((im / 1024))"
  printf "%-10s %-8s %8s %8s %10s\n" "$n" "export" "$ew" "$ec" "$((em / 1024))"
  echo "  export / import: wall $(ratio "$ew" "$iw")x, cpu $(ratio "$ec" "$ic")x; peak memory $(ratio "$em" "$im")x"
done
