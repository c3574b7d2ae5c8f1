#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times whole runs of `qorl grep INTERRUP.LST TEXT` against `grep -ci TEXT INTERRUP.LST` with a
# text that is nowhere in the list, interleaved in the same run, and prints the median of each and
# their ratio (goal: at most 1.5). grep writes to a file: with its output on /dev/null it would
# stop at the first hit. The list is copied to a temporary folder, where qorl writes its index
# first, so every timed run reads a current index.
# Usage: bench/grep_bench.sh [runs] [lists folder] [text]   (defaults: 21, ../shared/lists, zqxjvw)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
runs="${1:-21}"
lists="$(cd "${2:-$root/../shared/lists}" && pwd)"
text="${3:-zqxjvw}"
qorl="$root/build/src/cli/qorl"
require_built "$qorl" "cmake --build build --target qorl"
require_list "$lists" INTERRUP.LST

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -p "$lists/INTERRUP.LST" "$work/"
cd "$work"
"$qorl" index INTERRUP.LST >/dev/null

run_output="$work/out"
ours() { "$qorl" grep INTERRUP.LST "$text"; }
theirs() { grep -ci "$text" INTERRUP.LST; }
read -r m_ours m_theirs < <(interleave "$runs" ours theirs)
echo "median of $runs interleaved runs, text '$text':"
echo "  qorl grep INTERRUP.LST:   ${m_ours} us"
echo "  grep -ci INTERRUP.LST:    ${m_theirs} us"
awk -v a="$m_ours" -v b="$m_theirs" \
  'BEGIN {r = a / b; printf "  ratio %.2f (goal: at most 1.5)\n", r; exit (r <= 1.5) ? 0 : 1}'
