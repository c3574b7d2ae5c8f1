# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the timing scripts: the checks they start with and the interleaved timing of whole
# runs of programs.

# Reads numbers, one per line, and prints their median (the mean of the middle two for an even
# count).
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# require_built PROGRAM HINT: stops the script unless the program is built; HINT says how.
require_built() { [ -x "$1" ] || { echo "build $(basename "$1") first ($2)"; exit 1; }; }

# require_list FOLDER NAME: ends the script without a verdict when the folder lacks the list.
require_list() { [ -f "$1/$2" ] || { echo "skipped: no $2 in $1"; exit 0; }; }

# run_us COMMAND...: prints the wall time of one run of the command in microseconds. Its output
# goes to the file $run_output (a command writing to /dev/null may take short cuts), its errors
# nowhere.
run_output=/dev/null
run_us() {
  local start end
  start=$(date +%s%N)
  "$@" >"$run_output" 2>/dev/null || true
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

# interleave RUNS NAME...: runs each named command (a function or program without arguments) once
# to warm the caches, then RUNS rounds of one run of each in turn, and prints the medians of their
# wall times in microseconds on one line, in the order of the names.
interleave() {
  local runs="$1" name
  shift
  local -A times=()
  for name in "$@"; do run_us "$name" >/dev/null; done
  for _ in $(seq "$runs"); do
    for name in "$@"; do times[$name]+="$(run_us "$name") "; done
  done
  local medians=()
  for name in "$@"; do
    # shellcheck disable=SC2086  # the times are split into lines on purpose
    medians+=("$(printf '%s\n' ${times[$name]} | median)")
  done
  echo "${medians[@]}"
}
