#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test;
# then builds the core a second time with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the core tests again.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/scripts/setup.sh"
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORL_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQORL_WERROR=ON -DQORL_SANITIZE=ON \
  -DQORL_BUILD_GUI=OFF -DQORL_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
