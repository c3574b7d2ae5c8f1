#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times whole runs of `qorl combine FOLDER` on the release 61 INTERRUP sections against
# `cat INTERRUP.? > INTERRUP.LST` of the same files, interleaved in the same run, and prints the
# median of each and their ratio. Both write the combined file into the folder; qorl also flushes
# it to disk before it replaces the old list, which cat does not. The sections are copied to a
# temporary folder first.
# Usage: bench/combine_bench.sh [runs] [sections folder]   (defaults: 9, ../shared/lists/sections)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-9}"
sections="$(cd "${2:-$root/../shared/lists/sections}" && pwd)"
qorl="$root/build/src/cli/qorl"
[ -x "$qorl" ] || { echo "build qorl first (cmake --build build --target qorl)"; exit 1; }
[ -f "$sections/INTERRUP.A" ] || { echo "skipped: no INTERRUP.A in $sections"; exit 0; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$sections"/INTERRUP.? "$work/"
chmod u+w "$work"/*
cd "$work"

run_us() {  # prints the wall time of one run of the command in microseconds
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}
cat_sections() { cat INTERRUP.? >INTERRUP.LST; }

# shellcheck source=bench/median.sh
source "$root/bench/median.sh"

run_us "$qorl" combine . >/dev/null  # warms the caches
run_us cat_sections >/dev/null
ours=(); theirs=()
for _ in $(seq "$runs"); do
  ours+=("$(run_us "$qorl" combine .)")
  theirs+=("$(run_us cat_sections)")
done
m_ours=$(printf '%s\n' "${ours[@]}" | median)
m_theirs=$(printf '%s\n' "${theirs[@]}" | median)
echo "median of $runs interleaved runs, $(cat INTERRUP.? | wc -c) bytes in $(ls INTERRUP.? | wc -l) sections:"
echo "  qorl combine:                 ${m_ours} us"
echo "  cat INTERRUP.? > INTERRUP.LST: ${m_theirs} us"
awk -v a="$m_ours" -v b="$m_theirs" 'BEGIN {printf "  ratio %.2f\n", a / b}'
