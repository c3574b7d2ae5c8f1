#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Whole-process measures of `qorl` on a scaled list: INTERRUP.LST repeated COPIES times, built in a
# temporary folder that is removed afterwards. Each measure is the median of RUNS runs of the
# processor time (user + system, ms: on a shared machine the wall time mostly measures the others'
# load; it is shown too) and of the peak resident memory (KiB, as /usr/bin/time -f %M counts it;
# mapped file pages count), taken in the same run as its floor, `grep -c '^--------'` with its output to a
# file.
#   scan      qorl index --policy nouse   (scan only, no index read or written)
#   first     qorl index                  (scan and write the index; the index is removed first)
#   reopen    qorl index                  (read the current index)
#   show      qorl show LIST #N           (N: a topic of the first copy, and the last topic)
#   ref       qorl ref LIST "INT 21/AH=4Ch"
# Usage: bench/scale_list.sh [copies] [runs] [qorl] [lists folder]
#        (defaults: 32, 5, build/src/cli/qorl, ../shared/lists)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
copies="${1:-32}"
runs="${2:-5}"
qorl="$(realpath "${3:-$root/build/src/cli/qorl}")"
lists="$(cd "${4:-$root/../shared/lists}" && pwd)"
[ -x "$qorl" ] || { echo "build qorl first"; exit 1; }
[ -f "$lists/INTERRUP.LST" ] || { echo "skipped: no INTERRUP.LST in $lists"; exit 0; }
[ -x /usr/bin/time ] || { echo "skipped: /usr/bin/time is missing"; exit 0; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
list="$work/INTERRUP.LST"
for _ in $(seq "$copies"); do cat "$lists/INTERRUP.LST"; done > "$list"
index="$work/INTERRUP.qorlv"

# One run: prints "processor-ms wall-ms KiB". The peak comes from /usr/bin/time; the times come
# from Python's wait4 where it is there, to the microsecond (/usr/bin/time has them to 10 ms).
# posix_spawn, unlike fork, does not charge Python's own pages and page tables to the command.
measure() {
  if command -v python3 > /dev/null; then
    python3 - "$work/out" "$work/usage" "$@" << 'PY'
import os, sys, time
out = os.open(sys.argv[1], os.O_WRONLY | os.O_CREAT | os.O_TRUNC)
null = os.open(os.devnull, os.O_WRONLY)
command = ["/usr/bin/time", "-o", sys.argv[2], "-f", "%M"] + sys.argv[3:]
start = time.monotonic()
pid = os.posix_spawn(command[0], command, os.environ,
                     file_actions=[(os.POSIX_SPAWN_DUP2, out, 1), (os.POSIX_SPAWN_DUP2, null, 2)])
_, _, usage = os.wait4(pid, 0)
wall = time.monotonic() - start
peak = open(sys.argv[2]).read().split()[-1]
print("%.1f %.1f %s" % ((usage.ru_utime + usage.ru_stime) * 1000, wall * 1000, peak))
PY
    return
  fi
  /usr/bin/time -o "$work/usage" -f "%U %S %e %M" "$@" > "$work/out" 2> /dev/null || true
  tail -n 1 "$work/usage" | awk '{printf "%d %d %d\n", ($1 + $2) * 1000, $3 * 1000, $4}'
}

# shellcheck source=bench/timing.sh
source "$root/bench/timing.sh"

# Runs a measure RUNS times (before each, the command in $prepare) and prints the medians.
report() {
  local name="$1" prepare="$2"
  shift 2
  : > "$work/cpu"
  : > "$work/wall"
  : > "$work/peaks"
  for _ in $(seq "$runs"); do
    eval "$prepare"
    read -r cpu wall kib < <(measure "$@")
    echo "$cpu" >> "$work/cpu"
    echo "$wall" >> "$work/wall"
    echo "$kib" >> "$work/peaks"
  done
  last_cpu=$(median < "$work/cpu")
  last_kib=$(median < "$work/peaks")
  printf '%-11s %7s ms cpu %7s ms wall %8s KiB\n' "$name" "$last_cpu" \
    "$(median < "$work/wall")" "$last_kib"
}

size=$(stat -c %s "$list")
cat "$list" > /dev/null  # into the page cache
echo "list: INTERRUP.LST x $copies = $size bytes; median of $runs runs; $qorl"
report grep ":" grep -c '^--------' "$list"
grep_cpu=$last_cpu
report scan ":" "$qorl" index --policy nouse "$list"
scan_cpu=$last_cpu
report first "rm -f '$index'" "$qorl" index "$list"
first_kib=$last_kib
index_size=$(stat -c %s "$index")
echo "index: $index_size bytes"
report reopen ":" "$qorl" index "$list"
reopen_kib=$last_kib
topics=$("$qorl" index "$list" | cut -d' ' -f1)
report "show #100" ":" "$qorl" show "$list" "#100"
report "show #last" ":" "$qorl" show "$list" "#$((topics - 1))"
report ref ":" "$qorl" ref "$list" "INT 21/AH=4Ch"
awk -v s="$scan_cpu" -v g="$grep_cpu" -v f="$first_kib" -v r="$reopen_kib" -v i="$index_size" \
  'BEGIN { bound = (1.3 * i + 8 * 1048576) / 1024;
           printf "scan / grep cpu: %.2f; peak / (1.3 x index + 8 MiB): first %.2f, reopen %.2f\n",
                  s / g, f / bound, r / bound }'
