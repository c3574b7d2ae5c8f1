#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The viewer's smoke test on Windows: qorlview.exe under Wine with the windows platform on an
# Xvfb display, driven from the keyboard as a user would. It starts in a copy of the real lists,
# opens the File > Open List menu, opens INTERRUP.LST (the entry's shortcut Shift+I), steps to
# another topic, leaves through File > Exit and checks that the settings landed in Wine's
# registry under HKCU\Software\Halvex\Qorl Viewer\2. Screenshots (menu.png, topic.png, and
# failure.png when a step fails), the viewer's output and the registry values stay in OUTPUT.
# Usage: scripts/smoke_windows.sh PROGRAM_FOLDER LISTS_FOLDER OUTPUT_FOLDER
# Runs in $WINEPREFIX, which must exist. The display is :$QORL_SMOKE_DISPLAY, or the first free
# one from :90. Exits with 77 (skipped) when Xvfb, xdotool, xprop, import or INTERRUP.LST is
# missing.
set -euo pipefail
program_dir="$1"
lists="$2"
out="$3"
wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
wineserver="$(dirname "$wine")/wineserver"
for tool in Xvfb xdotool xprop import; do
  command -v "$tool" >/dev/null || { echo "skipped the smoke test: $tool is not installed"; exit 77; }
done
[ -f "$lists/INTERRUP.LST" ] || { echo "skipped the smoke test: no INTERRUP.LST in $lists"; exit 77; }
[ -f "$program_dir/qorlview.exe" ] || { echo "no qorlview.exe in $program_dir"; exit 1; }

mkdir -p "$out"
rm -f "$out"/*.png
work="$(mktemp -d)"
display="${QORL_SMOKE_DISPLAY:-}"
if [ -z "$display" ]; then
  display=90
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
fi
pids=()
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 150); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.2; done
export DISPLAY=":$display"
# A window manager, ready before the viewer's window appears, so that it can be activated and
# takes the keys.
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 150); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.2
  done
fi
# A wineserver started without this display would leave the viewer's windows invisible.
"$wineserver" -k 2>/dev/null || true

fail() {
  echo "FAILED: smoke test: $*"
  import -window root "$out/failure.png" 2>/dev/null || true
  exit 1
}
# Waits (up to $2 seconds) for a visible window whose title matches $1; prints its id.
wait_window() {
  timeout "$2" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}
keys() {
  xdotool key --clearmodifiers "$@"
  sleep 1
}

mkdir "$work/lists"
cp -p "$lists"/*.LST "$work/lists/"
# Started in the lists folder, the viewer takes it as its lists location.
(cd "$work/lists" && exec "$wine" "$program_dir/qorlview.exe") >"$out/qorlview.log" 2>&1 &
viewer=$!
pids+=("$viewer")

window="$(wait_window '^Qorl Viewer$' 300)"
[ -n "$window" ] || fail "the main window did not appear"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 2
keys alt+f
keys o
import -window root "$out/menu.png"
keys Escape Escape Escape
keys shift+i
[ -n "$(wait_window '^Qorl Viewer - INTERRUP.LST$' 300)" ] || fail "INTERRUP.LST was not opened"
sleep 2
keys Down Down Down Return
sleep 2
import -window root "$out/topic.png"
keys alt+f
keys x
for _ in $(seq 300); do kill -0 "$viewer" 2>/dev/null || break; sleep 0.2; done
kill -0 "$viewer" 2>/dev/null && fail "File > Exit did not end the viewer"
wait "$viewer" || fail "the viewer ended with status $?"

"$wine" reg query 'HKCU\Software\Halvex\Qorl Viewer\2' /s 2>/dev/null | tr -d '\r' >"$out/registry.txt" || true
# (a maximized window, as at a first start, writes its state and keeps no rectangle)
for value in AskExit DefStartupDir WindowState TopicsColWidth; do
  grep -q "^ *$value " "$out/registry.txt" || fail "no $value in HKCU\\Software\\Halvex\\Qorl Viewer\\2"
done
echo "qorlview.exe opened INTERRUP.LST, showed a topic and left its settings in the registry" \
  "(screenshots in $out)"
