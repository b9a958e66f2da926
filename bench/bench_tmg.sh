#!/usr/bin/env bash
# Timing of TMG 4.x and 5.x projects next to GEDCOM files of the same number of people, in one
# run: open (`taravell-cli info`), `list` of all people, the "Surname, Given" sort (bench_sort)
# and 10,000 scroller steps with the TMG sentence notes on (bench_steps).
#
#   bench/bench_tmg.sh [--build DIR] [PERSONS]
#
# PERSONS defaults to 1000000.  The TMG project (bench_tmg_gen) and the GEDCOM file
# (gen_gedcom.py --seed 1) are generated once into /tmp and reused; the 5.x project is the 4.x
# one rewritten by bench_tmg5_conv.  Wall times on a shared
# machine are noisy: the CPU seconds (user + system) are shown beside them, and the ratios
# compare runs made one after the other here.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
# The shared tools sit beside the checkout, in ../shared/bench.
SHARED=$(cd "$ROOT/.." && pwd)/shared/bench
if [ ! -d "$SHARED" ]; then
  echo "$(basename "$0"): $SHARED not found (the shared bench tools belong beside the checkout)" >&2
  exit 2
fi
BUILD="$ROOT/build"
PERSONS=1000000
while [ $# -gt 0 ]; do
  case "$1" in
    --build) BUILD=$2; shift 2 ;;
    *) PERSONS=$1; shift ;;
  esac
done
for tool in taravell-cli bench/bench_tmg_gen bench/bench_tmg5_conv bench/bench_sort bench/bench_steps; do
  [ -x "$BUILD/$tool" ] || { echo "bench: build $tool first" >&2; exit 1; }
done

TMG_DIR=/tmp/taravell-tmg-bench-$PERSONS
TMG="$TMG_DIR/bench__.tmg"
TMG5_DIR=/tmp/taravell-tmg5-bench-$PERSONS
TMG5="$TMG5_DIR/bench5_.pjc"
GED=/tmp/taravell-gedcom-bench-$PERSONS-seed1.ged
if [ ! -f "$TMG" ]; then
  mkdir -p "$TMG_DIR"
  echo "bench: writing $TMG"
  "$BUILD/bench/bench_tmg_gen" "$TMG_DIR" --persons "$PERSONS" --seed 1 >/dev/null
fi
if [ ! -f "$TMG5" ]; then
  mkdir -p "$TMG5_DIR"
  echo "bench: writing $TMG5"
  "$BUILD/bench/bench_tmg5_conv" "$TMG" "$TMG5_DIR" >/dev/null
fi
if [ ! -f "$GED" ]; then
  echo "bench: writing $GED"
  python3 "$SHARED/gen_gedcom.py" --individuals "$PERSONS" --seed 1 --out "$GED" >/dev/null
fi

# Runs a command with its output thrown away; prints "wall cpu".
timed() {
  local log
  log=$(mktemp)
  /usr/bin/time -o "$log" -f "%e %U %S" "$@" >/dev/null 2>&1 || true
  awk '{ printf "%.2f %.2f", $1, $2 + $3 }' "$log"
  rm -f "$log"
}
# The import time the CLI reports.
import_time() { "$BUILD/taravell-cli" info "$1" | awk -F'\t' '/^Importing/ { sub(/ seconds/, "", $2); print $2 }'; }

echo "== $PERSONS people, $(date -u +%Y-%m-%dT%H:%MZ), load $(cut -d' ' -f1-3 /proc/loadavg)"
for kind in TMG5 TMG GEDCOM; do
  case $kind in TMG5) file=$TMG5 ;; TMG) file=$TMG ;; GEDCOM) file=$GED ;; esac
  read -r info_wall info_cpu <<<"$(timed "$BUILD/taravell-cli" info "$file")"
  import=$(import_time "$file")
  read -r list_wall list_cpu <<<"$(timed "$BUILD/taravell-cli" list "$file")"
  sort_line=$("$BUILD/bench/bench_sort" "$file" --searches 100 | grep '"Surname, Given"')
  sort=$(sed -E 's/.* in ([0-9.]+) s .*/\1/' <<<"$sort_line")
  steps_line=$("$BUILD/bench/bench_steps" "$file" | grep 'steps from')
  step=$(sed -E 's/.*: ([0-9.]+) ms per step, slowest ([0-9.]+) ms.*/\1 \2/' <<<"$steps_line")
  printf '%-6s open %6ss (info: %ss wall, %ss cpu)  list %ss wall, %ss cpu  sort %ss  step %s ms (slowest %s ms)\n' \
    "$kind" "$import" "$info_wall" "$info_cpu" "$list_wall" "$list_cpu" "$sort" ${step}
  eval "${kind}_SORT=$sort ${kind}_OPEN=$import ${kind}_LIST=$list_cpu"
done
ratio() { awk -v a="$2" -v b="$3" -v l="$1" 'BEGIN { printf "%-22s %.2f\n", l ":", (b > 0 ? a / b : 0) }'; }
ratio "sort TMG / GEDCOM" "$TMG_SORT" "$GEDCOM_SORT"
ratio "sort TMG5 / GEDCOM" "$TMG5_SORT" "$GEDCOM_SORT"
ratio "sort TMG5 / TMG" "$TMG5_SORT" "$TMG_SORT"
ratio "open TMG / GEDCOM" "$TMG_OPEN" "$GEDCOM_OPEN"
ratio "open TMG5 / GEDCOM" "$TMG5_OPEN" "$GEDCOM_OPEN"
ratio "open TMG5 / TMG" "$TMG5_OPEN" "$TMG_OPEN"
ratio "list cpu TMG / GEDCOM" "$TMG_LIST" "$GEDCOM_LIST"
ratio "list cpu TMG5 / GEDCOM" "$TMG5_LIST" "$GEDCOM_LIST"
ratio "list cpu TMG5 / TMG" "$TMG5_LIST" "$TMG_LIST"
