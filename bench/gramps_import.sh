#!/usr/bin/env bash
# Does Gramps take our GEDCOM export?  Each FILE (any kind the viewer reads) is exported with
# `taravell-cli export`, imported into a new family tree with Gramps's command line (Debian
# package gramps) in a throw-away home, and Gramps's own summary report gives the people and
# families it counted.  Prints, per file, what the viewer counts, what Gramps counted and the
# lines of Gramps's import report (problems it found; none is the aim).  Run by hand, not in CI.
#
#   bench/gramps_import.sh [--build DIR] FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="$(pwd)/build"
FILES=()
while [ $# -gt 0 ]; do
  case "$1" in
    --build) BUILD=$2; shift 2 ;;
    *) FILES+=("$1"); shift ;;
  esac
done
[ ${#FILES[@]} -gt 0 ] || { echo "usage: bench/gramps_import.sh [--build DIR] FILE..." >&2; exit 2; }
CLI="$BUILD/taravell-cli"
[ -x "$CLI" ] || { echo "gramps_import: build first ($CLI is missing)" >&2; exit 1; }
command -v gramps > /dev/null || { echo "gramps_import: apt-get install gramps" >&2; exit 1; }

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
index=0
for file in "${FILES[@]}"; do
  name=$(basename "$file")
  index=$((index + 1))
  out="$TMP/${name%.*}.ged"
  "$CLI" export "$file" "$out" > "$TMP/export.txt"
  # A home of its own for each file: files of the same name must not share a family tree.
  home="$TMP/home-$index-${name//[^A-Za-z0-9]/_}"
  mkdir -p "$home"
  HOME="$home" gramps -y -C tree -i "$out" > "$TMP/import.log" 2>&1 || {
    echo "$name: gramps import failed"; tail -20 "$TMP/import.log"; continue; }
  HOME="$home" gramps -O tree -a report -p "name=summary,off=txt,of=$TMP/summary.txt" > /dev/null 2>&1
  people=$(sed -n 's/^Number of individuals: *//p' "$TMP/summary.txt")
  families=$(sed -n 's/^Number of families: *//p' "$TMP/summary.txt")
  echo "$name: exported $(cat "$TMP/export.txt")"
  echo "  Gramps counted $people people and $families families"
  # Gramps's import report follows the progress figures on the same line.
  report=$(sed -n 's/.*\(GEDCOM import report:.*\)/\1/p' "$TMP/import.log")
  if [ -n "$report" ]; then
    echo "  $report"
    sed -n '/GEDCOM import report:/,/^Cleaning up/p' "$TMP/import.log" | sed '1d;$d' | sed 's/^/    /'
  else
    echo "  Gramps's import report: nothing to report"
  fi
done
