#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows stage of the tests, in build-mingw/, run under Wine in a fresh WINEPREFIX in a
# temporary folder:
#   1. Qt for MinGW-w64, built once by scripts/build_qt_windows.sh into a cache outside the clone;
#   2. the core, qorl.exe, qorlview.exe and all tests cross-built with MinGW-w64;
#   3. the core test suite (one CTest test) and the GUI tests (offscreen);
#   4. qorl.exe writes an index file for every real list, which must be byte for byte the one
#      the Linux build's qorl writes (the lists are copied to temporary folders first);
#   5. cpack writes the ZIP and the installer; the ZIP is unpacked into a folder whose name holds
#      spaces and non-ASCII letters, and the programs run from there;
#   6. the smoke test (scripts/smoke_windows.sh) runs that qorlview.exe on an Xvfb display; its
#      screenshots stay in build-mingw/smoke/;
#   7. the installer asks for no administrator rights and installs silently, and its
#      uninstaller removes the programs but leaves the viewer's settings.
# Prints how long each step took.
# QORL_WINDOWS_VIEWER=0 leaves out steps 1, 5, 6 and 7 and the viewer's part of steps 2 and 3
# (the core, qorl.exe and the core tests alone, without Qt).
# Usage: [QORL_WINDOWS_VIEWER=0] scripts/test_windows.sh [Linux qorl]   (default: build/src/cli/qorl)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
jobs="$(nproc)"
linux_qorl="${1:-$root/build/src/cli/qorl}"
lists="${QORL_LISTS_DIR:-$root/../shared/lists}"
wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
wineserver="$(dirname "$wine")/wineserver"
[ -x "$wine" ] || { echo "wine64 is not installed (scripts/setup.sh installs it)"; exit 1; }
step_start=$SECONDS
step_done() {
  echo "== Windows: $1: $((SECONDS - step_start)) s"
  step_start=$SECONDS
}

viewer="${QORL_WINDOWS_VIEWER:-1}"
viewer_options=(-DQORL_BUILD_GUI=OFF)
if [ "$viewer" = 1 ]; then
  # 1. Qt (nothing to do when the cache is complete).
  qt="$("$root/scripts/build_qt_windows.sh" | tail -n 1)"
  step_done "Qt for MinGW-w64 ($qt)"
  viewer_options=(-DQORL_BUILD_GUI=ON -DQORL_QT_WINDOWS="$qt")
fi

# 2. The build.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  "${viewer_options[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORL_WERROR=ON \
  -DQORL_BUILD_BENCH=OFF -DQORL_LISTS_DIR="$lists" "${launcher[@]}" >/dev/null
cmake --build build-mingw -j"$jobs"
step_done "build"

# A fresh Wine installation, headless: no display, no Mono or Gecko installer prompts.
work="$(mktemp -d)"
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
"$wine" wineboot --init >/dev/null 2>&1
# Qt programs in this prefix take the offscreen platform until the smoke test (Wine hands no
# QT_* variable on from the Linux environment, so it is set in the prefix's own). The offscreen
# platform reads its fonts from a folder, not from Windows: the Linux system's DejaVu fonts, as
# the Linux tests have them. The smoke test takes the windows platform.
qt_platform='HKCU\Environment'
"$wine" reg add "$qt_platform" /v QT_QPA_PLATFORM /d offscreen /f >/dev/null 2>&1
"$wine" reg add "$qt_platform" /v QT_QPA_FONTDIR /d 'Z:\usr\share\fonts\truetype\dejavu' /f \
  >/dev/null 2>&1

# 3. The tests.
TZ=UTC ctest --test-dir build-mingw --output-on-failure -j"$jobs"
step_done "core and GUI tests under Wine"

# 4. qorl.exe against the Linux build's qorl, list by list.
if ls "$lists"/*.LST >/dev/null 2>&1; then
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
  rm -rf "$work/linux" "$work/windows"
  echo "qorl.exe under Wine wrote the same index files as qorl for $compared lists"
else
  echo "skipped the index comparison: no list files in $lists"
fi
step_done "index files of qorl.exe"

[ "$viewer" = 1 ] || exit 0

# 5. The packages; the ZIP unpacked where spaces and non-ASCII letters test the paths.
(cd build-mingw && cpack -G "ZIP;NSIS" >/dev/null)
zip="$(ls build-mingw/qorl-viewer-*-win64.zip)"
installer="$(ls build-mingw/qorl-viewer-*-win64.exe)"
unpacked="$work/Programs ünï Qorl"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$root/$zip")
program_dir="$(find "$unpacked" -name qorlview.exe -printf '%h\n' | head -n 1)"
[ -n "$program_dir" ] || { echo "FAILED: no qorlview.exe in $zip"; exit 1; }
version="$("$wine" "$program_dir/qorl.exe" --version | tr -d '\r')"
[ "$version" = "qorl 2.1.1.1" ] || { echo "FAILED: qorl.exe from the ZIP printed '$version'"; exit 1; }
echo "$(basename "$zip") and $(basename "$installer") written; the ZIP's qorl.exe runs in '$program_dir'"
step_done "packages"

# 6. The viewer from the unpacked ZIP, on a display.
# The windows platform, drawing text with FreeType: Wine's GDI drops letters of bitmap fonts such
# as MS Sans Serif (the "I"s of the grid), which Windows itself draws.
"$wine" reg add "$qt_platform" /v QT_QPA_PLATFORM /d windows:fontengine=freetype /f >/dev/null 2>&1
smoke_status=0
"$root/scripts/smoke_windows.sh" "$program_dir" "$lists" "$root/build-mingw/smoke" || smoke_status=$?
[ "$smoke_status" -eq 0 ] || [ "$smoke_status" -eq 77 ] || exit 1
"$wineserver" -k 2>/dev/null || true
step_done "smoke test of qorlview.exe"

# 7. The installer, silent; then its uninstaller. Wine's user is an administrator, so it installs
# for all users here (into Program Files); a user without those rights gets it in
# %LOCALAPPDATA%\Programs, which the manifest allows: the installer asks for no elevation.
grep -aq 'requestedExecutionLevel level="asInvoker"' "$installer" ||
  { echo "FAILED: the installer asks for administrator rights"; exit 1; }
settings_key='HKCU\Software\Halvex\Qorl Viewer\2\Config'
"$wine" reg add "$settings_key" /v Marker /d kept /f >/dev/null 2>&1
"$wine" "$root/$installer" /S >/dev/null 2>&1
installed="$(find "$WINEPREFIX/drive_c" -path '*/Qorl Viewer/qorlview.exe' -printf '%h\n' | head -n 1)"
[ -n "$installed" ] || { echo "FAILED: the installer installed no qorlview.exe"; exit 1; }
for file in qorl.exe Qt6Widgets.dll platforms/qwindows.dll QORLVIEW.html Uninstall.exe; do
  [ -f "$installed/$file" ] || { echo "FAILED: the installer left out $file"; exit 1; }
done
find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Qorl Viewer.lnk' | grep -q . ||
  { echo "FAILED: the installer made no Start menu entry"; exit 1; }
# The uninstaller copies itself away and returns at once; its work is done when the files go.
"$wine" "$installed/Uninstall.exe" /S >/dev/null 2>&1 || true
for _ in $(seq 120); do [ -e "$installed/qorlview.exe" ] || break; sleep 1; done
[ ! -e "$installed/qorlview.exe" ] || { echo "FAILED: the uninstaller left qorlview.exe"; exit 1; }
"$wine" reg query "$settings_key" /v Marker >/dev/null 2>&1 ||
  { echo "FAILED: the uninstaller removed the viewer's settings"; exit 1; }
echo "the installer asks for no elevation, installed into $installed and made a Start menu entry;" \
  "the uninstaller removed it and kept the settings"
step_done "installer"
