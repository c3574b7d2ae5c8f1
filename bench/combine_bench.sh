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
# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"
runs="${1:-9}"
sections="$(cd "${2:-$root/../shared/lists/sections}" && pwd)"
qorl="$root/build/src/cli/qorl"
require_built "$qorl" "cmake --build build --target qorl"
require_list "$sections" INTERRUP.A

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$sections"/INTERRUP.? "$work/"
chmod u+w "$work"/*
cd "$work"

ours() { "$qorl" combine .; }
theirs() { cat INTERRUP.? >INTERRUP.LST; }
read -r m_ours m_theirs < <(interleave "$runs" ours theirs)
echo "median of $runs interleaved runs, $(cat INTERRUP.? | wc -c) bytes in $(ls INTERRUP.? | wc -l) sections:"
echo "  qorl combine:                 ${m_ours} us"
echo "  cat INTERRUP.? > INTERRUP.LST: ${m_theirs} us"
awk -v a="$m_ours" -v b="$m_theirs" 'BEGIN {printf "  ratio %.2f\n", a / b}'
