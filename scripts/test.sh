#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything with warnings as errors and runs every test (the
# install and Debian package checks among them); then builds the core a second time with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs the core tests again; then builds a
# Release (-O3) tree as distributions do and runs the core tests in it; then the Windows stage
# (MinGW-w64 build run under Wine, Windows packages). Prints how long each stage took.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
stage_start=$SECONDS
stage_done() {  # prints the time since the previous stage ended
  echo "== $1: $((SECONDS - stage_start)) s"
  stage_start=$SECONDS
}
"$root/scripts/setup.sh"
jobs="$(nproc)"
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

# Release stage: distributions build with -O2/-O3, where GCC warns about code that -O1 never
# looks at, so warnings as errors must hold there too. Core, qorl, the viewer and the core tests
# are built (the core tests are quick and catch what the optimizer changes); the GUI tests and
# benchmarks are not, since the GUI suite already ran above and a second run costs minutes. The
# install checks are left to the first build.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DQORL_WERROR=ON -DQORL_BUILD_GUI_TESTS=OFF \
  -DQORL_BUILD_BENCH=OFF >/dev/null
cmake --build build-release -j"$jobs"
ctest --test-dir build-release --output-on-failure -j"$jobs" -E '^(install_tree|debian_package)$'
stage_done "Release build and core tests"

# Windows stage: Qt for MinGW-w64 (built once into a cache), the programs and tests cross-built
# into build-mingw/ and run under Wine, the ZIP and the installer, the viewer's smoke test.
"$root/scripts/test_windows.sh" "$root/build/src/cli/qorl"
stage_done "Windows build and tests under Wine"
