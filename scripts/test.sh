#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test;
# then builds the core a second time with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the core tests again; then the Windows stage (MinGW-w64 build run under Wine).
# Prints how long each stage took.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/scripts/setup.sh"
jobs="$(nproc)"
stage_start=$SECONDS
stage_done() {  # prints the time since the previous stage ended
  echo "== $1: $((SECONDS - stage_start)) s"
  stage_start=$SECONDS
}
stage_done "set-up"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORL_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
stage_done "build and tests"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQORL_WERROR=ON -DQORL_SANITIZE=ON \
  -DQORL_BUILD_GUI=OFF -DQORL_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
stage_done "core tests under AddressSanitizer and UndefinedBehaviorSanitizer"

# Windows stage: the core, qorl and the core tests cross-built with MinGW-w64 into build-mingw/
# and run under Wine; qorl.exe's index files for the real lists against those of build/'s qorl.
"$root/scripts/test_windows.sh" "$root/build/src/cli/qorl"
stage_done "Windows build and tests under Wine"
