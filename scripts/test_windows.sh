#!/usr/bin/env bash
# The Windows stage of the tests: cross-builds the core, qorl and the core tests with MinGW-w64
# (statically linked .exe files) into build-mingw/ and runs them under Wine in a fresh WINEPREFIX
# in a temporary folder:
#   1. the whole core test suite (qorl_core_tests.exe, one CTest test);
#   2. qorl.exe writes an index file for every real list, which must be byte for byte the one
#      the Linux build's qorl writes (the lists are copied to temporary folders first).
# Usage: scripts/test_windows.sh [Linux qorl]   (default: build/src/cli/qorl)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
jobs="$(nproc)"
linux_qorl="${1:-$root/build/src/cli/qorl}"
lists="${QORL_LISTS_DIR:-$root/../shared/lists}"
wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
[ -x "$wine" ] || { echo "wine64 is not installed (scripts/setup.sh installs it)"; exit 1; }

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORL_WERROR=ON -DQORL_BUILD_GUI=OFF -DQORL_BUILD_BENCH=OFF \
  "${launcher[@]}" >/dev/null
cmake --build build-mingw -j"$jobs"

# A fresh Wine installation, headless: no display, no Mono or Gecko installer prompts.
work="$(mktemp -d)"
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
cleanup() {
  "$(dirname "$wine")/wineserver" -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
"$wine" wineboot --init >/dev/null 2>&1

TZ=UTC ctest --test-dir build-mingw --output-on-failure

# qorl.exe against the Linux build's qorl, list by list.
if ! ls "$lists"/*.LST >/dev/null 2>&1; then
  echo "skipped the index comparison: no list files in $lists"
  exit 0
fi
[ -x "$linux_qorl" ] || { echo "no Linux qorl at $linux_qorl (build build/ first)"; exit 1; }
qorl_exe="$root/build-mingw/src/cli/qorl.exe"
mkdir -p "$work/linux" "$work/windows"
compared=0
for list in "$lists"/*.LST; do
  name="$(basename "$list")"
  index="${name%.*}.qorlv"
  cp -p "$list" "$work/linux/"
  cp -p "$list" "$work/windows/"
  "$linux_qorl" index "$work/linux/$name" >/dev/null
  "$wine" "$qorl_exe" index "Z:$work/windows/$name" >/dev/null
  if ! cmp -s "$work/linux/$index" "$work/windows/$index"; then
    echo "FAILED: qorl.exe wrote another $index than qorl"
    exit 1
  fi
  compared=$((compared + 1))
done
echo "qorl.exe under Wine wrote the same index files as qorl for $compared lists"
